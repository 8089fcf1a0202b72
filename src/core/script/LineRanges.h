// The range in force at each line start of a changing script text, kept between searches.
#pragma once

#include "script/SqsScanner.h"

#include <QByteArrayView>
#include <vector>

// What is open at the start of each line (rsSdot inside a block comment, else rsNone), learnt by
// scanning from the top and kept: asked again, or for a line further down, it costs a scan from
// the last line already known, not from the top. Keywords do not change ranges.
//
// Use: ranges.at(text, scanner, lineStart) with the whole current text; after an edit,
// ranges.changedFrom(position of the edit), or ranges.clear() when where is not known.
class LineRanges
{
public:
    // The range at the start of the line that starts at byte `lineStart` of `text`; rsNone for a
    // position that starts no line.
    RangeState at(QByteArrayView text, const SqsScanner &scanner, qsizetype lineStart);

    // Bytes were inserted or removed at `pos`: what is known before it stays.
    void changedFrom(qsizetype pos);
    void clear();

private:
    // Line starts from the top with no gap, and the range at each.
    std::vector<qsizetype> m_starts;
    std::vector<RangeState> m_ranges;
};
