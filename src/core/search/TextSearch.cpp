// Search requests run over the whole text, then one match picked relative to the selection.
#include "search/TextSearch.h"

#include "search/WordRuns.h"

#include <algorithm>

namespace TextSearch {

Result collect(QByteArrayView text, const Request &request, MatchList &matches)
{
    matches.clear();
    if (request.text.isEmpty())
        return Result::Failed; // an empty expression is no expression at all
    const SearchExpression expression(request.text, {!request.matchCase, SearchExpression::Syntax::Expression});
    if (!expression.isValid())
        return Result::Failed;
    const bool ok = expression.forEachMatch(text, [&](const SearchMatch &m) {
        if (!request.wholeWord || WordRuns::isWholeWordMatch(text, m.start, m.length))
            matches.push_back(m);
    });
    if (!ok) {
        matches.clear();
        return Result::Failed;
    }
    return matches.empty() ? Result::NoMatches : Result::Found;
}

Outcome pick(const MatchList &matches, qsizetype selectionStart, bool forward)
{
    if (matches.empty())
        return {Result::NoMatches, {}};
    if (forward) {
        // The first start greater than the selection start: a match at the caret is not "next".
        const auto it = std::upper_bound(matches.begin(), matches.end(), selectionStart,
                                         [](qsizetype p, const SearchMatch &m) { return p < m.start; });
        return it == matches.end() ? Outcome{Result::NoneFurther, {}} : Outcome{Result::Found, *it};
    }
    const auto it = std::lower_bound(matches.begin(), matches.end(), selectionStart,
                                     [](const SearchMatch &m, qsizetype p) { return m.start < p; });
    return it == matches.begin() ? Outcome{Result::NoneFurther, {}} : Outcome{Result::Found, *(it - 1)};
}

Outcome find(QByteArrayView text, qsizetype selectionStart, const Request &request, MatchList *matches)
{
    MatchList local;
    MatchList &list = matches ? *matches : local;
    const Result result = collect(text, request, list);
    if (result != Result::Found)
        return {result, {}};
    return pick(list, selectionStart, request.forward);
}

bool isRefusedQuickFind(QStringView text)
{
    return text.contains(u"[]");
}

Request quickFind(const QString &text)
{
    return {text, true, false, true};
}

Outcome findPlain(QByteArrayView text, qsizetype from, const Request &request)
{
    const SearchExpression expression(request.text, {!request.matchCase, SearchExpression::Syntax::PlainText});
    if (!expression.isValid() || request.text.isEmpty())
        return {Result::Failed, {}};
    SearchMatch m;
    while (from <= text.size()) {
        const SearchExpression::Status status = expression.matchFrom(text, from, m);
        if (status == SearchExpression::Status::Failed)
            return {Result::Failed, {}};
        if (status == SearchExpression::Status::NoMatch)
            break;
        if (!request.wholeWord || WordRuns::isSeparateWord(text, m.start, m.length))
            return {Result::Found, m};
        from = m.end();
    }
    return {Result::NoMatches, {}};
}

Replacement replaceAll(QByteArrayView text, qsizetype from, const Request &request, const QString &with)
{
    Replacement r;
    r.with = with.toUtf8();
    MatchList all;
    r.result = collect(text, request, all);
    if (r.result != Result::Found)
        return r;
    const auto first = std::lower_bound(all.begin(), all.end(), from,
                                        [](const SearchMatch &m, qsizetype p) { return m.start < p; });
    r.matches.assign(first, all.end());
    if (r.matches.empty())
        r.result = Result::NoneFurther;
    return r;
}

QByteArray Replacement::replacedSpan(QByteArrayView text) const
{
    if (matches.empty())
        return {};
    const qsizetype spanStart = matches.front().start;
    const qsizetype spanEnd = matches.back().end();
    QByteArray out;
    out.reserve(spanEnd - spanStart + count() * with.size());
    qsizetype copied = spanStart;
    for (const SearchMatch &m : matches) {
        out.append(text.sliced(copied, m.start - copied));
        out.append(with);
        copied = m.end();
    }
    return out;
}

qsizetype Replacement::newPosition(qsizetype oldPosition) const
{
    // The matches wholly before the position, and one that holds it.
    const auto after = std::upper_bound(matches.begin(), matches.end(), oldPosition,
                                        [](qsizetype p, const SearchMatch &m) { return p < m.start; });
    qsizetype shift = 0;
    for (auto it = matches.begin(); it != after; ++it) {
        if (oldPosition < it->end())
            return it->start + shift; // inside this match
        shift += with.size() - it->length;
    }
    return oldPosition + shift;
}

} // namespace TextSearch
