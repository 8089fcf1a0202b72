// Where each piece of the text goes when printed as lines of text, one output line per editor line,
// and which pages are printed in which order.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
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

// Which pages go to the printer and how: the print dialog's choices that the program carries out.
struct PageChoice
{
    std::vector<std::pair<int, int>> ranges = {}; // first and last page, counted from 1; none: every page
    bool lastPageFirst = false;
    int copies = 1;      // those printed here: 1 when the print system makes the copies
    bool collate = true; // each copy whole, or each page as many times over
};

// The pages to print, counted from 0, in the order they go out: those of the document's `pages`
// that the ranges hold, the last first when asked, times the copies.
std::vector<int> printedPages(int pages, const PageChoice &choice);

} // namespace PrintLayout
