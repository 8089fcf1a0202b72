// The editing commands: undo and redo, the clipboard, line commenting, keyboard layout and case repair.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "editor/EditorKeys.h"
#include "editor/ScriptLexer.h"
#include "editor/SelectionEdits.h"
#include "platform/Dialogs.h"
#include "script/LineComments.h"
#include "text/KeyboardRepair.h"

// Each editing command hands over to the editor; the speed-bar items do what the menu items do.
void MainWindow::connectEditCommands()
{
    QsciScintilla *editor = ui->SynEdit1;
    const auto bind = [this](std::initializer_list<QAction *> items, auto command) {
        for (QAction *item : items)
            connect(item, &QAction::triggered, this, command);
    };
    bind({ui->N32, ui->btnUndo}, [editor] { EditorKeys::undo(editor); });
    bind({ui->N33, ui->btnRedo}, [editor] { EditorKeys::redo(editor); });
    bind({ui->N15, ui->N27, ui->btnCopy}, [editor] { editor->copy(); });
    bind({ui->N14, ui->N26, ui->btnCut}, [editor] { editor->cut(); });
    bind({ui->N16, ui->N28, ui->btnPaste}, [editor] { editor->paste(); });
    bind({ui->N17, ui->N29}, [editor] { editor->removeSelectedText(); });
    bind({ui->N18, ui->N31}, [editor] { editor->selectAll(); });
    const std::pair<QAction *, int> images[] = {{ui->btnCopy, 4}, {ui->btnCut, 5},  {ui->btnPaste, 6},
                                                {ui->btnUndo, 7}, {ui->btnRedo, 8}, {ui->btnFind, 9},
                                                {ui->btnReplace, 10}};
    for (const auto &[item, image] : images)
        setSpeedItemImage(item, image);
    new EditorKeys(editor);
}

void MainWindow::connectEditingActions()
{
    for (QAction *comment : {ui->N72, ui->N69})
        connect(comment, &QAction::triggered, this, &MainWindow::toggleLineComments);
    connect(ui->N68, &QAction::triggered, this, &MainWindow::insertSeparator);
    for (QAction *layout : {ui->eng1, ui->Eng2, ui->btnrte})
        connect(layout, &QAction::triggered, this, &MainWindow::repairKeyboardLayout);
    for (QAction *letterCase : {ui->a1, ui->cAPSCaps1, ui->btncps})
        connect(letterCase, &QAction::triggered, this, &MainWindow::repairLetterCase);
}

void MainWindow::toggleLineComments()
{
    SelectionEdits::toggleLineComments(ui->SynEdit1, m_lexer->sqsComments());
}

void MainWindow::insertSeparator()
{
    SelectionEdits::replaceSelection(ui->SynEdit1, LineComments::separator(m_lexer->sqsComments()));
}

void MainWindow::repairKeyboardLayout()
{
    repairSelection(&KeyboardRepair::switchLayout,
                    QStringLiteral("Сначала выделите участок, набранный в неправильной раскладке."));
}

void MainWindow::repairLetterCase()
{
    repairSelection(&KeyboardRepair::switchCase,
                    QStringLiteral("Сначала выделите участок, набранный при неправильном положении Caps Lock"));
}

void MainWindow::repairSelection(QString (*convert)(QStringView), const QString &message)
{
    if (SelectionEdits::convertSelection(ui->SynEdit1, convert))
        return;
    Dialogs::beep();
    Dialogs::plain(this, message);
}
