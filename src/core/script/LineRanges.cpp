// Line-start ranges learnt line by line from the last one known.
#include "script/LineRanges.h"

#include <algorithm>

namespace {

qsizetype lineEnd(QByteArrayView text, qsizetype from)
{
    while (from < text.size() && text[from] != '\n' && text[from] != '\r')
        ++from;
    return from;
}

} // namespace

RangeState LineRanges::at(QByteArrayView text, const SqsScanner &scanner, qsizetype lineStart)
{
    if (m_starts.empty()) {
        m_starts.push_back(0);
        m_ranges.push_back(rsNone);
    }
    if (lineStart <= m_starts.back()) {
        const auto it = std::lower_bound(m_starts.begin(), m_starts.end(), lineStart);
        return *it == lineStart ? m_ranges[std::size_t(it - m_starts.begin())] : rsNone;
    }
    qsizetype start = m_starts.back();
    RangeState range = m_ranges.back();
    while (start < lineStart) {
        const qsizetype end = lineEnd(text, start);
        if (end >= text.size())
            return rsNone;
        range = scanner.rangeAfter(text.sliced(start, end - start), range);
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        m_starts.push_back(start);
        m_ranges.push_back(range);
    }
    return start == lineStart ? range : rsNone;
}

void LineRanges::changedFrom(qsizetype pos)
{
    // A line start before `pos` stays one, at the same place, and the text above it is unchanged.
    const auto keep = std::lower_bound(m_starts.begin(), m_starts.end(), pos) - m_starts.begin();
    m_starts.resize(std::size_t(keep));
    m_ranges.resize(std::size_t(keep));
}

void LineRanges::clear()
{
    m_starts.clear();
    m_ranges.clear();
}
