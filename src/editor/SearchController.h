// Find, Find Next, Replace and the quick-find box of the command panel, run on the editor's bytes.
#pragma once

#include "search/TextSearch.h"

#include <QObject>

class FindDialog;
class QLineEdit;
class QToolButton;
class QsciScintilla;
class ReplaceDialog;

class SearchController : public QObject
{
    Q_OBJECT
public:
    // The dialogs are made once, owned by `window`, and keep their state between showings.
    SearchController(QsciScintilla *editor, QLineEdit *findEdit, QToolButton *findButton, QWidget *window);

    FindDialog *findDialog() const { return m_findDialog; }
    ReplaceDialog *replaceDialog() const { return m_replaceDialog; }
    // The matches of the last search, in the editor's byte offsets.
    const MatchList &matches() const { return m_matches; }

    // The Find dialog, its text taken from the selection (also into the quick-find box when
    // there is one).
    void openFindDialog();
    // The Replace dialog, its search text taken from the selection.
    void openReplaceDialog();
    // The quick-find box's text, forward, letter case significant.
    void quickFind();

    // Puts a Replace All into the editor as one undo step, the caret after the last replacement.
    static void apply(QsciScintilla *editor, const TextSearch::Replacement &replacement);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searchFromFindDialog();
    TextSearch::Request replaceRequest() const;
    // Selects the match the request finds from the selection, or beeps; true when one is selected.
    bool search(const TextSearch::Request &request);
    void findNextPlain();
    void replaceOnce();
    void replaceAll();

    QsciScintilla *m_editor;
    QLineEdit *m_findEdit;
    QToolButton *m_findButton;
    FindDialog *m_findDialog;
    ReplaceDialog *m_replaceDialog;
    MatchList m_matches;
};
