// Keys of the editor that the editor component cannot serve well by itself: F8 deletes the caret's
// line (function keys cannot be bound in it), and its own undo and redo keys take the same path
// as the menu's Undo and Redo.
#pragma once

#include <QObject>

class QsciScintilla;

class EditorKeys : public QObject
{
    Q_OBJECT
public:
    explicit EditorKeys(QsciScintilla *editor);

    // Undo and redo of one step, which may hold thousands of edits (Replace All): the editor's
    // change notices are held back until the step is done.
    static void undo(QsciScintilla *editor);
    static void redo(QsciScintilla *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QsciScintilla *m_editor;
};
