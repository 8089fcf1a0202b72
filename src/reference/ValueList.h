// A table of names and values without title rows: the user drags its grid lines to size rows and
// columns, the last column fills the window unless made wider (then the table scrolls sideways),
// and a value wraps in a row made taller. Its cell editor lets a value be selected and copied.
#pragma once

#include <QTableWidget>

class ValueList : public QTableWidget
{
    Q_OBJECT
public:
    explicit ValueList(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The right edge of a column (Qt::Horizontal) or the bottom edge of a row (Qt::Vertical).
    struct GridLine
    {
        Qt::Orientation orientation = Qt::Horizontal;
        int section = -1;
    };

    GridLine lineAt(const QPoint &pos) const;
    QHeaderView *header(Qt::Orientation orientation) const;
    int lineEnd(const GridLine &line) const; // where the line stands in the viewport
    void showLineCursor(const QPoint &pos);
    void resizeSection(const GridLine &line, int size);
    void fitToContents(const GridLine &line);
    void fillWidth();

    GridLine m_dragged;    // the line under the mouse button, if any
    int m_dragOffset = 0;  // from the line to where the mouse took it
    int m_lastWidth = 0;   // the width the user gave the last column; the window's room if more
};
