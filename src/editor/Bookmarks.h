// Ten numbered bookmarks of the editor: markers in the margin, the captions of their menu items,
// and the Ctrl+digit keys in any keyboard layout.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <array>

class QAction;
class QsciScintilla;

class Bookmarks : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCount = 10;
    using Items = std::array<QAction *, kCount>; // indexed by bookmark number, 0..9

    // `window`'s keys Ctrl+Shift+digit set and Ctrl+digit go, matched on the physical key.
    Bookmarks(QsciScintilla *editor, const Items &setItems, const Items &goItems, QWidget *window);

    // Places bookmark n at the caret (moving it when it was set) and writes both of its captions.
    void set(int number);
    // Moves the caret to bookmark n; an unset one does nothing.
    void go(int number);
    // Clears 1..9 and 0 and gives all twenty items their cleared captions.
    void clearAll();

    // The line of bookmark n (from 0), or -1 when it is not set.
    int line(int number) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where a bookmark stood before a deletion joined its line with others.
    struct Placement
    {
        int number;
        int line;
        int generation;
    };

    void defineMarkers();
    void textModified(int position, int type, int length, int token);
    void rememberJoinedLines(qsizetype from, qsizetype to);
    void putBack(int token);

    QsciScintilla *m_editor;
    Items m_setItems;
    Items m_goItems;
    QWidget *m_window;
    std::array<int, kCount> m_markers{};    // marker number of each bookmark
    int m_markerMask = 0;                   // all ten of them
    std::array<qsizetype, kCount> m_columns{}; // characters from the line start
    std::array<int, kCount> m_generations{}; // counts every setting and clearing of bookmark n
    QHash<int, QList<Placement>> m_joined;   // by the undo action that puts them back
    int m_lastToken = 0;
    bool m_stepOpen = false; // a deletion's undo step waits for the deletion
};
