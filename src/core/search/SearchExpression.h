// A regular expression of the editor's searches, compiled by PCRE2 over UTF-8 bytes.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

struct SearchMatch
{
    qsizetype start = 0;  // byte offset in the searched text
    qsizetype length = 0; // bytes

    qsizetype end() const { return start + length; }
    bool operator==(const SearchMatch &) const = default;
};

using MatchList = std::vector<SearchMatch>;

// The modifiers are those the program has always searched with: "." takes in line breaks, "^" and
// "$" hold at the start and the end of the whole text only ("$" also before a final line break),
// repetitions are greedy, and the Russian letter ranges are widened (withRussianRanges). Letter
// case is ignored on request, Cyrillic included. A line break is CR LF, CR or LF.
class SearchExpression
{
public:
    enum class Syntax { Expression, PlainText };
    struct Options
    {
        bool ignoreCase = false;
        Syntax syntax = Syntax::Expression;
    };
    enum class Status { Matched, NoMatch, Failed };

    SearchExpression(const QString &pattern, Options options);
    ~SearchExpression();
    SearchExpression(const SearchExpression &) = delete;
    SearchExpression &operator=(const SearchExpression &) = delete;

    bool isValid() const { return m_code != nullptr; }
    QString errorMessage() const { return m_error; }

    // The first match that starts at byte `from` or later; Failed when the library gives up
    // (an invalid expression, a resource limit).
    Status matchFrom(QByteArrayView text, qsizetype from, SearchMatch &match) const;

    // Every match in order, each next attempt starting where the previous match ended, one
    // character further after an empty match. `visit(const SearchMatch &)` sees each one.
    // False when matching failed part way.
    template <class Visit>
    bool forEachMatch(QByteArrayView text, Visit &&visit) const
    {
        SearchMatch m;
        for (qsizetype from = 0;;) {
            const Status status = matchFrom(text, from, m);
            if (status != Status::Matched)
                return status == Status::NoMatch;
            visit(m);
            if (m.length > 0)
                from = m.end();
            else if (m.start < text.size())
                from = stepOver(text, m.start);
            else
                return true;
        }
    }

    // Every match in order (see forEachMatch); empty when there is none or matching failed.
    MatchList matches(QByteArrayView text, bool *failed = nullptr) const;

private:
    static qsizetype stepOver(QByteArrayView text, qsizetype pos);

    struct Pcre;
    Pcre *m_code = nullptr;
    QString m_error;
};

// The Russian letter ranges of a character class: [а-я] also takes ё, [А-Я] also Ё, and the
// otherwise reversed range [а-Я] every Russian letter of both cases. Nothing else changes.
QString withRussianRanges(QStringView pattern);
