// F8 deletes the caret's line in the editor; the editor component cannot bind function keys itself.
#pragma once

#include <QObject>

class QsciScintilla;

class LineDeleteKey : public QObject
{
    Q_OBJECT
public:
    explicit LineDeleteKey(QsciScintilla *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QsciScintilla *m_editor;
};
