// A row's text cut into columns at a separator, and the header section under a point.
#pragma once

#include <QList>
#include <QString>

namespace ColumnText {

struct Part
{
    QString text;
    int column; // counts on past the last column for what does not fit into the columns
    int left;   // where the part is drawn, right end excluded
    int right;
};

struct Row
{
    int textLeft;  // where the first part starts, after the indent
    int origin;    // the left end of column 0 (negative when scrolled)
    int rowRight;  // the right end of the row
    int gap;       // kept free at the right end of every part
};

// Part i is the text up to the i-th separator and is drawn in column i; when the text has more
// parts than columns, the rest goes from the last column's end to the row's end. Without
// columns, column 0 spans `rowRight`. An empty text gives one empty part.
QList<Part> layout(const QString &text, const QString &separator, const QList<int> &widths, const Row &row);

// The section under x: sections are added from the left while their summed width stays below
// x; -1 at x = 0 or without sections, the last one right of all of them.
int sectionAt(const QList<int> &widths, int x);

} // namespace ColumnText
