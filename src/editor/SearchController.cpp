// Searches collect every match of the whole text and then pick the one beside the selection;
// refusals and misses are answered with a beep alone.
#include "editor/SearchController.h"

#include "common/EditorBytes.h"
#include "editor/FindDialog.h"
#include "editor/ReplaceDialog.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

namespace {

const QString kPlaceholder = QStringLiteral("Поиск");

using Sci = QsciScintillaBase;

} // namespace

SearchController::SearchController(QsciScintilla *editor, QLineEdit *findEdit, QToolButton *findButton,
                                   QWidget *window)
    : QObject(window),
      m_editor(editor),
      m_findEdit(findEdit),
      m_findButton(findButton),
      m_findDialog(new FindDialog(window)),
      m_replaceDialog(new ReplaceDialog(window))
{
    setObjectName(QStringLiteral("SearchController"));
    connect(m_findDialog, &FindDialog::findNext, this, &SearchController::searchFromFindDialog);
    connect(m_replaceDialog, &ReplaceDialog::findNext, this, &SearchController::findNextPlain);
    connect(m_replaceDialog, &ReplaceDialog::replace, this, &SearchController::replaceOnce);
    connect(m_replaceDialog, &ReplaceDialog::replaceAll, this, &SearchController::replaceAll);
    connect(m_findButton, &QToolButton::clicked, this, &SearchController::quickFind);
    m_findEdit->installEventFilter(this);
    m_findButton->installEventFilter(this);
}

void SearchController::openFindDialog()
{
    const QString selected = m_editor->selectedText();
    m_findDialog->setText(selected);
    if (!selected.isEmpty())
        m_findEdit->setText(selected);
    m_findDialog->showForSearch();
}

void SearchController::openReplaceDialog()
{
    m_replaceDialog->setText(m_editor->selectedText());
    m_replaceDialog->showForSearch();
}

void SearchController::quickFind()
{
    const QString text = m_findEdit->text();
    if (TextSearch::isRefusedQuickFind(text)) {
        Dialogs::beep();
        return;
    }
    search(TextSearch::quickFind(text));
}

void SearchController::searchFromFindDialog()
{
    // F3 repeats what the dialog searched for.
    m_findEdit->setText(m_findDialog->text());
    search({m_findDialog->text(), m_findDialog->matchCase(), m_findDialog->wholeWord(), m_findDialog->forward()});
}

TextSearch::Request SearchController::replaceRequest() const
{
    return {m_replaceDialog->text(), m_replaceDialog->matchCase(), m_replaceDialog->wholeWord(), true};
}

bool SearchController::search(const TextSearch::Request &request)
{
    const TextSearch::Outcome outcome = TextSearch::find(EditorBytes::text(m_editor),
                                                         EditorBytes::selectionStart(m_editor), request, &m_matches);
    if (outcome.result != TextSearch::Result::Found) {
        Dialogs::beep();
        return false;
    }
    EditorBytes::select(m_editor, outcome.match.start, outcome.match.end());
    return true;
}

// The Replace dialog's Find Next takes its text literally, from the caret on; a miss is silent.
void SearchController::findNextPlain()
{
    const TextSearch::Outcome outcome = TextSearch::findPlain(EditorBytes::text(m_editor),
                                                              EditorBytes::caret(m_editor), replaceRequest());
    if (outcome.result == TextSearch::Result::Found)
        EditorBytes::select(m_editor, outcome.match.start, outcome.match.end());
}

void SearchController::replaceOnce()
{
    // A selection that is not the search text is never replaced: without a match nothing changes.
    if (m_editor->selectedText() != m_replaceDialog->text() && !search(replaceRequest()))
        return;
    if (!EditorBytes::hasSelection(m_editor))
        return;
    m_editor->replaceSelectedText(m_replaceDialog->replacement());
}

// Every match from the selection start on, found in one pass over the text and replaced as one
// step that Undo takes back whole.
void SearchController::replaceAll()
{
    const QByteArrayView text = EditorBytes::text(m_editor);
    const TextSearch::Replacement replacement = TextSearch::replaceAll(
        text, EditorBytes::selectionStart(m_editor), replaceRequest(), m_replaceDialog->replacement());
    if (replacement.result != TextSearch::Result::Found) {
        Dialogs::beep();
        return;
    }
    apply(m_editor, replacement);
}

void SearchController::apply(QsciScintilla *editor, const TextSearch::Replacement &replacement)
{
    const QByteArray &with = replacement.with;
    EditorBytes::changeQuietly(editor, [&] {
        editor->SendScintilla(Sci::SCI_BEGINUNDOACTION);
        // From the last match back, so that the offsets still to come stay valid. Each match is
        // its own edit: lines between matches are never deleted, so bookmarks keep their lines,
        // also through Undo.
        for (auto it = replacement.matches.rbegin(); it != replacement.matches.rend(); ++it) {
            editor->SendScintilla(Sci::SCI_SETTARGETRANGE, it->start, it->end());
            editor->SendScintilla(Sci::SCI_REPLACETARGET, with.size(), with.constData());
        }
        editor->SendScintilla(Sci::SCI_ENDUNDOACTION);
    });
    EditorBytes::moveCaret(editor, replacement.newPosition(replacement.matches.back().end()));
}

bool SearchController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_findEdit) {
        if (event->type() == QEvent::FocusIn && m_findEdit->text() == kPlaceholder)
            m_findEdit->clear();
        else if (event->type() == QEvent::FocusOut && m_findEdit->text().isEmpty())
            m_findEdit->setText(kPlaceholder);
        else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                quickFind();
                return true;
            }
        }
    } else if (watched == m_findButton && event->type() == QEvent::MouseButtonPress
               && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        openFindDialog();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
