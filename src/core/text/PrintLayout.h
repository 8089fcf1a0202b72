// Where each piece of the text goes when printed as lines of text, one output line per editor line.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace PrintLayout {

struct Page
{
    qreal width = 0;    // printable width
    int rows = 1;       // lines of text that fit on a page
    qreal tabWidth = 0; // a tab goes to the next multiple of this
};

// A run of text without tabs, placed on a page at a row and a distance from the left edge.
struct Piece
{
    int page;
    int row;
    qreal x;
    QString text;

    bool operator==(const Piece &) const = default;
};

struct Result
{
    std::vector<Piece> pieces;
    int pages = 1;
};

using Measure = std::function<qreal(QStringView)>;

// Each line starts at the left edge of a new row; a line wider than the page is carried over
// to the next rows, a character at a time; a tab that passes the right edge starts a new row;
// a new page starts when the next row does not fit.
Result layout(const QStringList &lines, const Page &page, const Measure &width);

} // namespace PrintLayout
