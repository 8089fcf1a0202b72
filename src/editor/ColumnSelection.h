// Column (block) selection as a lasting mode of the editor, as the menu "Режим выделения" sets it.
#pragma once

#include <QObject>

class QsciScintilla;

class ColumnSelection : public QObject
{
public:
    explicit ColumnSelection(QsciScintilla *editor);

    bool isEnabled() const { return m_enabled; }
    // On: mouse drags and Shift with the cursor keys select a rectangle; the current selection
    // becomes one. Off: they select a stream of text again.
    void setEnabled(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void swapExtendKeys();

    QsciScintilla *m_editor;
    // Compared as it stands: while the editor is being destroyed its viewport still sends events.
    const QObject *m_viewport;
    bool m_enabled = false;
};
