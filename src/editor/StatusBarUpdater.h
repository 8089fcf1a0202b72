// Rewrites the status bar's panels 0 to 7 each time the program falls idle.
#pragma once

#include <QObject>
#include <QString>

class QsciScintilla;
class StatusBar;

class StatusBarUpdater : public QObject
{
    Q_OBJECT
public:
    // Runs whenever the event loop has handled a burst of events and is about to wait for more;
    // there is no clock, so the time shown stands still while nothing happens.
    StatusBarUpdater(StatusBar *statusBar, QsciScintilla *editor);

    // Panels 0, 5, 1 to 4, 6 and 7, in that order; a panel's text is set only when it changes.
    void refresh();

private:
    void setPanel(int index, const QString &text);
    QString caretPosition() const;
    int viewedPercent() const;

    StatusBar *m_statusBar;
    QsciScintilla *m_editor;
    QString m_timeFormat;
};
