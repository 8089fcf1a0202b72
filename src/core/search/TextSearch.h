// The editor's searches over its UTF-8 text: find forward or backward from the selection, the
// quick find, the plain-text Find Next of the Replace dialog and Replace All.
#pragma once

#include "search/SearchExpression.h"

#include <QByteArray>
#include <QString>

namespace TextSearch {

struct Request
{
    QString text;
    bool matchCase = false;
    bool wholeWord = false; // identifier runs: WordRuns::isWholeWordMatch
    bool forward = true;
};

// Everything but Found is answered with one beep and leaves the selection alone.
enum class Result { Found, Failed, NoMatches, NoneFurther };

struct Outcome
{
    Result result = Result::NoMatches;
    SearchMatch match;
};

// Every match of the request's expression over the whole text, in order; those that fail the
// whole-word rule are left out. Failed when the expression is empty or does not compile, or when
// matching fails.
Result collect(QByteArrayView text, const Request &request, MatchList &matches);

// Forward: the first match that starts after `selectionStart`; backward: the last that starts
// before it. No wrap-around at either end.
Outcome pick(const MatchList &matches, qsizetype selectionStart, bool forward);

// collect() then pick(); `matches` receives the list when given.
Outcome find(QByteArrayView text, qsizetype selectionStart, const Request &request, MatchList *matches = nullptr);

// The quick-find box: its text as it stands, letter case significant, no whole-word rule,
// forward; a text holding "[]" is refused before any search.
bool isRefusedQuickFind(QStringView text);
Request quickFind(const QString &text);

// The Replace dialog's Find Next: the request's text taken literally, the first hit at `from`
// or later; with whole word no identifier character may touch either end.
Outcome findPlain(QByteArrayView text, qsizetype from, const Request &request);

// Replace All: every match that starts at `from` or later, replaced in one pass over the text;
// replaced text is never searched again.
struct Replacement
{
    Result result = Result::NoMatches;
    MatchList matches;      // the replaced matches, in order
    QByteArray with;        // the replacement, UTF-8

    qsizetype count() const { return qsizetype(matches.size()); }
    // The text from the first match's start to the last match's end, replaced.
    QByteArray replacedSpan(QByteArrayView text) const;
    // Where a byte offset of the old text lands in the new one; inside a match, at its start.
    qsizetype newPosition(qsizetype oldPosition) const;
};
Replacement replaceAll(QByteArrayView text, qsizetype from, const Request &request, const QString &with);

} // namespace TextSearch
