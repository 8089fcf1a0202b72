// The reference tree, the command help, completion and the editor's pop-up menu.
#include "editor/MainWindow.h"

#include "AppError.h"
#include "AppPaths.h"
#include "gamedata/HelpCard.h"
#include "platform/Dialogs.h"
#include "reference/CommandTree.h"
#include "reference/CompletionList.h"
#include "common/EditorCaret.h"
#include "script/CaretText.h"
#include "script/CompletionRules.h"
#include "settings/ShortcutCode.h"
#include "text/FileText.h"
#include "ui_MainWindow.h"

#include <QMenu>
#include <QShortcut>

void MainWindow::connectReferenceActions()
{
    TreeList::HeaderSettings header = ui->ComList->headerSettings();
    header.visible = false;
    ui->ComList->setHeaderSettings(header);
    connect(ui->ComList, &QTreeWidget::itemDoubleClicked, this, &MainWindow::insertTreeEntry);

    // F1 belongs to the window, so it works also while the tree has the focus; the pop-up item
    // only shows the key and looks up the word at the caret.
    ui->N79->setShortcutContext(Qt::WidgetShortcut);
    connect(ui->N79, &QAction::triggered, this, [this] { showCommandHelp(wordAtCaret()); });
    auto *helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &MainWindow::showHelpForKey);

    setUpCompletion();
}

void MainWindow::updateEditorMenu()
{
    const EditorCaret caret = editorCaret(ui->SynEdit1);
    ui->N79->setEnabled(!helpCardPath(CaretText::wordAt(caret.text, caret.index)).isEmpty());
    const bool selected = ui->SynEdit1->hasSelectedText();
    for (QAction *item : {ui->Eng2, ui->cAPSCaps1, ui->N26, ui->N27, ui->N29})
        item->setEnabled(selected);
    // The item leaves the menu rather than being hidden: a hidden action's Alt+G would stop working.
    const bool jump = !selected && CaretText::bracketBesideCaret(caret.text, caret.index);
    if (jump && !m_popupMenu->actions().contains(ui->N89))
        m_popupMenu->insertAction(ui->N69, ui->N89);
    else if (!jump)
        m_popupMenu->removeAction(ui->N89);
}

void MainWindow::buildTree(const QStringList &dataLines, Game game)
{
    CommandTree::fill(ui->ComList, ReferenceTree::build(dataLines, game));
}

// A command goes in as it is; any other name as a string, using the quotes already there.
void MainWindow::insertTreeEntry()
{
    const QList<QTreeWidgetItem *> selected = ui->ComList->selectedItems();
    const QTreeWidgetItem *node = selected.isEmpty() ? nullptr : selected.first();
    if (!node || !node->parent())
        return;
    QsciScintilla *editor = ui->SynEdit1;
    const QString command = CommandTree::commandOf(node);
    if (!command.isEmpty()) {
        editor->replaceSelectedText(command);
        return;
    }
    editor->beginUndoAction();
    editor->removeSelectedText();
    const EditorCaret caret = editorCaret(editor);
    editor->replaceSelectedText(ReferenceTree::quotedName(caret.text, caret.index, node->text(0)));
    editor->endUndoAction();
}

QString MainWindow::wordAtCaret() const
{
    const EditorCaret caret = editorCaret(ui->SynEdit1);
    return CaretText::wordAt(caret.text, caret.index);
}

// F1: the command selected in the tree while the tree has the focus, else the word at the caret.
void MainWindow::showHelpForKey()
{
    QString name;
    if (ui->ComList->hasFocus()) {
        const QList<QTreeWidgetItem *> selected = ui->ComList->selectedItems();
        name = CommandTree::commandOf(selected.isEmpty() ? nullptr : selected.first());
    }
    showCommandHelp(name.isEmpty() ? wordAtCaret() : name);
}

QString MainWindow::helpCardPath(const QString &name) const
{
    return HelpCard::findFile(AppPaths::exeDir() + QStringLiteral("/cmd"), name);
}

// Silent when the command has no card.
void MainWindow::showCommandHelp(const QString &name)
{
    const QString path = helpCardPath(name);
    if (path.isEmpty())
        return;
    QStringList rows;
    try {
        rows = HelpCard::rows(loadFileToString(path));
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        return;
    }
    emit commandHelpRequested(rows);
    activateWindow();
}

void MainWindow::setUpCompletion()
{
    m_completion->matchInsertTexts = true;
    m_completion->triggerChars = QStringLiteral(".");
    m_completion->endOfTokenChars = QStringLiteral("()[]. ");
    m_completion->attach(ui->SynEdit1);

    // With both on one shortcut, a quoted argument gets its names and anywhere else the
    // commands open.
    m_argumentCompletion = new CompletionList(this);
    m_argumentCompletion->setObjectName(QStringLiteral("WeapCompleter"));
    m_argumentCompletion->shortcutCode = ShortcutCode::kCtrl | 0x20; // Ctrl+Space
    m_argumentCompletion->triggerChars = QStringLiteral("\"");
    m_argumentCompletion->endOfTokenChars = QStringLiteral("\"");
    m_argumentCompletion->fallback = m_completion;
    connect(m_argumentCompletion, &CompletionList::aboutToOpen, this, &MainWindow::fillArgumentNames);
    connect(m_argumentCompletion, &CompletionList::completed, this,
            [this] { ui->SynEdit1->replaceSelectedText(QStringLiteral("\"")); });
    m_argumentCompletion->attach(ui->SynEdit1); // after the command completion: sees each key first
}

// The names of the command before the caret; none where no command before it takes names.
void MainWindow::fillArgumentNames()
{
    const EditorCaret caret = editorCaret(ui->SynEdit1);
    QStringList &names = m_argumentCompletion->shownTexts;
    switch (CompletionRules::argumentListAt(caret.text, caret.index)) {
    case CompletionRules::ArgumentList::Magazines:
        names = m_gameData.magazines;
        break;
    case CompletionRules::ArgumentList::Weapons:
        names = m_gameData.weapons;
        break;
    case CompletionRules::ArgumentList::Animations:
        names = m_gameData.animations;
        break;
    case CompletionRules::ArgumentList::None:
        names.clear();
        break;
    }
}
