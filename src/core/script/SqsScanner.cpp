// The script scanner: one table lookup per token start, each rule a forward scan without backtracking.
#include "script/SqsScanner.h"

#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// What starts at a byte.
enum Rule : std::uint8_t {
    rEnd,       // NUL: the end of the line
    rBlank,     // control characters and the blank
    rLineFeed,
    rReturn,
    rQuote,
    rHash,
    rSlash,
    rDigit,
    rSemicolon,
    rLetter,
    rUnderscore,
    rTilde,
    rOther,     // one ASCII character of no other class
    rMultiByte, // a byte of 0x80 and above: one UTF-8 character, or one byte when malformed
};

enum Class : std::uint8_t {
    cWord = 1,     // '0'..'9', 'A'..'Z', '_', 'a'..'z'
    cDigit = 2,
    cHex = 4,
    cBlank = 8,    // 1..32
    cLineEnd = 16, // NUL, LF, CR: where comments and strings stop
};

constexpr std::array<Rule, 256> kRules = [] {
    std::array<Rule, 256> t{};
    for (int c = 0; c < 256; ++c) {
        Rule r = rOther;
        if (c == 0)
            r = rEnd;
        else if (c == '\n')
            r = rLineFeed;
        else if (c == '\r')
            r = rReturn;
        else if (c <= 32)
            r = rBlank;
        else if (c == '"')
            r = rQuote;
        else if (c == '#')
            r = rHash;
        else if (c == '/')
            r = rSlash;
        else if (c >= '0' && c <= '9')
            r = rDigit;
        else if (c == ';')
            r = rSemicolon;
        else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            r = rLetter;
        else if (c == '_')
            r = rUnderscore;
        else if (c == '~')
            r = rTilde;
        else if (c >= 0x80)
            r = rMultiByte;
        t[c] = r;
    }
    return t;
}();

constexpr std::array<std::uint8_t, 256> kClass = [] {
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        std::uint8_t k = 0;
        const bool digit = c >= '0' && c <= '9';
        const bool upper = c >= 'A' && c <= 'Z';
        const bool lower = c >= 'a' && c <= 'z';
        if (digit || upper || lower || c == '_')
            k |= cWord;
        if (digit)
            k |= cDigit;
        if (digit || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))
            k |= cHex;
        if (c >= 1 && c <= 32)
            k |= cBlank;
        if (c == 0 || c == '\n' || c == '\r')
            k |= cLineEnd;
        t[c] = k;
    }
    return t;
}();

constexpr std::array<unsigned char, 256> kLower = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return t;
}();

inline bool is(unsigned char c, Class k) { return kClass[c] & k; }

inline std::uint32_t hashLower(const unsigned char *p, std::size_t n)
{
    std::uint32_t h = 2166136261u; // FNV-1a
    for (std::size_t i = 0; i < n; ++i) {
        h ^= kLower[p[i]];
        h *= 16777619u;
    }
    return h;
}

// Bytes of the UTF-8 character at p (n > 0 bytes left), by the editor's own rules so that a token
// never splits what the editor shows as one character: a malformed or cut sequence is one byte.
qsizetype utf8Length(const unsigned char *p, qsizetype n)
{
    return std::max<qsizetype>(1, Utf8::sequenceLength(p, n));
}

} // namespace

SqsScanner::SqsScanner()
{
    m_words = {"abs"};
    rebuildTable();
}

void SqsScanner::setKeyWords(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::vector<std::string> words;
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    while (p < end) {
        const char *e = p;
        while (e < end && *e != '\r' && *e != '\n')
            ++e;
        const bool plainWord = e > p && std::all_of(p, e, [](char c) {
            return is(static_cast<unsigned char>(c), cWord);
        });
        if (plainWord) {
            std::string w(p, e);
            for (char &c : w)
                c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
            words.push_back(std::move(w));
        }
        p = e;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    m_words = std::move(words);
    rebuildTable();
}

void SqsScanner::rebuildTable()
{
    std::size_t size = 8;
    while (size < m_words.size() * 2)
        size *= 2;
    m_slots.assign(size, -1);
    m_maxWordLength = 0;
    const std::size_t mask = size - 1;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const std::string &w = m_words[i];
        m_maxWordLength = std::max(m_maxWordLength, w.size());
        std::size_t slot = hashLower(reinterpret_cast<const unsigned char *>(w.data()), w.size()) & mask;
        while (m_slots[slot] >= 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = static_cast<std::int32_t>(i);
    }
}

bool SqsScanner::isKeyword(QByteArrayView word) const
{
    return isKeyword(reinterpret_cast<const unsigned char *>(word.data()), std::size_t(word.size()));
}

bool SqsScanner::isKeyword(const unsigned char *word, std::size_t length) const
{
    if (length == 0 || length > m_maxWordLength)
        return false;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hashLower(word, length) & mask; m_slots[slot] >= 0; slot = (slot + 1) & mask) {
        const std::string &w = m_words[std::size_t(m_slots[slot])];
        if (w.size() != length)
            continue;
        std::size_t i = 0;
        while (i < length && kLower[word[i]] == static_cast<unsigned char>(w[i]))
            ++i;
        if (i == length)
            return true;
    }
    return false;
}

template <class Sink>
RangeState SqsScanner::scan(QByteArrayView line, RangeState range, Sink &&sink) const
{
    const auto *p = reinterpret_cast<const unsigned char *>(line.data());
    const qsizetype n = line.size();
    // Past the end reads as NUL, so an embedded NUL byte ends the line exactly like its end.
    const auto at = [p, n](qsizetype i) -> unsigned char { return i < n ? p[i] : 0; };
    const auto toLineEnd = [&](qsizetype i) {
        while (!is(at(i), cLineEnd))
            ++i;
        return i;
    };
    // From the '*' of "/*" or from a line start inside a comment; the search for "*/" starts there,
    // which makes "/*/" a whole comment.
    const auto blockComment = [&](qsizetype i) {
        for (;;) {
            const unsigned char c = at(i);
            if (c == '*' && at(i + 1) == '/') {
                range = rsNone;
                return i + 2;
            }
            if (is(c, cLineEnd))
                return i;
            ++i;
        }
    };
    const auto lineBreak = [&](qsizetype i) {
        return at(i) == '\r' && at(i + 1) == '\n' ? i + 2 : i + 1;
    };
    const bool commentLine = n > 0 && p[0] == ';';

    qsizetype run = 0;
    for (;;) {
        const qsizetype start = run;
        const unsigned char c = at(run);
        TokenKind kind;
        if (range == rsSdot) {
            if (c == 0) {
                sink(start, n - start, tkNull);
                return range;
            }
            if (c == '\n' || c == '\r') {
                run = lineBreak(run);
                kind = tkSpace;
            } else {
                run = blockComment(run);
                kind = tkSdot;
            }
            sink(start, run - start, kind);
            continue;
        }
        range = rsNone;
        switch (kRules[c]) {
        case rEnd:
            sink(start, n - start, tkNull);
            return range;
        case rBlank:
            do
                ++run;
            while (is(at(run), cBlank));
            kind = tkSpace;
            break;
        case rLineFeed:
        case rReturn:
            run = lineBreak(run);
            kind = tkSpace;
            break;
        case rQuote:
            ++run;
            range = rsString;
            for (;;) {
                const unsigned char d = at(run);
                if (d == '"') {
                    ++run;
                    range = rsNone;
                    break;
                }
                if (is(d, cLineEnd))
                    break;
                ++run;
            }
            kind = tkString;
            break;
        case rHash:
        case rUnderscore:
            do
                ++run;
            while (is(at(run), cWord));
            kind = c == '#' ? tkPreprocessor : tkUnderline;
            break;
        case rSlash:
            ++run;
            if (at(run) == '*') {
                range = rsSdot;
                run = blockComment(run);
                kind = tkSdot;
            } else if (at(run) == '/') {
                range = rsDSL;
                run = toLineEnd(run);
                kind = tkDSL;
            } else {
                kind = tkIdentifier;
            }
            break;
        case rDigit:
            for (;;) {
                ++run;
                const unsigned char d = at(run);
                if (d == '.') {
                    if (at(run + 1) != '.')
                        ++run;
                    break;
                }
                if (!is(d, cHex))
                    break;
            }
            kind = tkNumber;
            break;
        case rSemicolon:
            if (commentLine) {
                run = toLineEnd(run);
                kind = tkComment;
            } else {
                ++run;
                kind = tkUnknown;
            }
            break;
        case rLetter:
            do
                ++run;
            while (is(at(run), cWord));
            kind = isKeyword(p + start, std::size_t(run - start)) ? tkKey : tkIdentifier;
            break;
        case rTilde:
            if (is(at(run + 1), cDigit)) {
                do
                    ++run;
                while (at(run) == '.' || is(at(run), cDigit));
                kind = tkTilda;
            } else {
                ++run;
                kind = tkIdentifier;
            }
            break;
        case rMultiByte:
            run += utf8Length(p + run, n - run);
            kind = tkUnknown;
            break;
        case rOther:
        default:
            ++run;
            kind = tkUnknown;
            break;
        }
        sink(start, run - start, kind);
    }
}

RangeState SqsScanner::scanLine(QByteArrayView line, RangeState rangeIn,
                                 std::vector<SqsToken> &tokens) const
{
    tokens.clear();
    return scan(line, rangeIn, [&tokens](qsizetype start, qsizetype length, TokenKind kind) {
        tokens.push_back({start, length, kind});
    });
}

RangeState SqsScanner::styleLine(QByteArrayView line, RangeState rangeIn, char *styles) const
{
    return scan(line, rangeIn, [styles](qsizetype start, qsizetype length, TokenKind kind) {
        if (length == 0)
            return; // the closing token of a line; `styles` may be null for an empty line
        if (length == 1)
            styles[start] = char(kind);
        else
            std::memset(styles + start, kind, std::size_t(length));
    });
}

RangeState SqsScanner::rangeAfter(QByteArrayView line, RangeState rangeIn) const
{
    return scan(line, rangeIn, [](qsizetype, qsizetype, TokenKind) {});
}
