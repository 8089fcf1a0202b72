// Line layout of the printed text.
#include "text/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace PrintLayout {

namespace {

class Writer
{
public:
    Writer(const Page &page, const Measure &width) : m_page(page), m_width(width) {}

    void line(QStringView text)
    {
        m_pagesUsed = std::max(m_pagesUsed, m_pageIndex + 1);
        m_x = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != u'\t')
                continue;
            run(text.mid(start, i - start));
            if (i < text.size())
                tab();
            start = i + 1;
        }
        newRow();
    }

    Result result() { return {std::move(m_pieces), std::max(1, m_pagesUsed)}; }

private:
    void run(QStringView text)
    {
        while (!text.isEmpty()) {
            qsizetype fit = longestFit(text);
            if (fit == 0 && m_x > 0) {
                newRow();
                continue;
            }
            if (fit == 0) // not even one character fits an empty row: print it all the same
                fit = text[0].isHighSurrogate() && text.size() > 1 ? 2 : 1;
            const QStringView placed = text.left(fit);
            m_pieces.push_back({m_pageIndex, m_row, m_x, placed.toString()});
            m_pagesUsed = std::max(m_pagesUsed, m_pageIndex + 1);
            text = text.mid(fit);
            if (text.isEmpty())
                m_x += m_width(placed);
            else
                newRow();
        }
    }

    // The longest prefix that fits from the current position, never splitting a surrogate pair.
    qsizetype longestFit(QStringView text) const
    {
        qsizetype lo = 0, hi = text.size();
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (m_x + m_width(text.left(mid)) <= m_page.width)
                lo = mid;
            else
                hi = mid - 1;
        }
        if (lo > 0 && lo < text.size() && text[lo - 1].isHighSurrogate())
            --lo;
        return lo;
    }

    void tab()
    {
        if (m_page.tabWidth > 0)
            m_x = (std::floor(m_x / m_page.tabWidth) + 1) * m_page.tabWidth;
        if (m_x > m_page.width)
            newRow();
    }

    void newRow()
    {
        m_x = 0;
        if (++m_row >= std::max(1, m_page.rows)) {
            m_row = 0;
            ++m_pageIndex;
        }
    }

    const Page &m_page;
    const Measure &m_width;
    std::vector<Piece> m_pieces;
    int m_pageIndex = 0;
    int m_row = 0;
    int m_pagesUsed = 0;
    qreal m_x = 0;
};

} // namespace

Result layout(const QStringList &lines, const Page &page, const Measure &width)
{
    Writer writer(page, width);
    for (const QString &line : lines)
        writer.line(line);
    return writer.result();
}

std::vector<int> printedPages(int pages, const PageChoice &choice)
{
    const auto chosen = [&choice](int page) {
        return choice.ranges.empty() || std::ranges::any_of(choice.ranges, [page](const std::pair<int, int> &range) {
                   return range.first <= page && page <= range.second;
               });
    };
    std::vector<int> set;
    for (int page = 1; page <= pages; ++page)
        if (chosen(page))
            set.push_back(page - 1);
    if (choice.lastPageFirst)
        std::ranges::reverse(set);

    const int copies = std::max(1, choice.copies);
    std::vector<int> printed;
    printed.reserve(set.size() * copies);
    if (choice.collate) {
        for (int copy = 0; copy < copies; ++copy)
            printed.insert(printed.end(), set.begin(), set.end());
    } else {
        for (int page : set)
            printed.insert(printed.end(), copies, page);
    }
    return printed;
}

} // namespace PrintLayout
