// Line scanner of the mission script language (SQS and SQF): token kinds and the range carried between lines.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// What a token is. The values double as the editor's style numbers, so they never change.
enum TokenKind : std::uint8_t {
    tkComment = 0,       // a ';' comment: the line's first character is ';'
    tkDSL = 1,           // "//" to the end of the line
    tkSdot = 2,          // "/*" ... "*/", or its part on one line
    tkIdentifier = 3,    // a word not in the keyword list, a lone '/', a '~' not followed by a digit
    tkKey = 4,           // a word in the keyword list
    tkNull = 5,          // the end of the line (and whatever follows an embedded NUL byte)
    tkNumber = 6,        // digits and hex digits, at most one '.' as the last character
    tkSpace = 7,         // blanks, control characters, line breaks
    tkString = 8,        // from '"' to the next '"' or the end of the line; no escapes
    tkPreprocessor = 10, // a '#' label
    tkUnderline = 11,    // a '_' variable
    tkTilda = 12,        // a '~' time such as ~5.5
    tkUnknown = 13,      // any other character; a UTF-8 character of several bytes is one token
};

// What is open at a point of a line. A string or "//" comment is closed by the end of its line,
// so a line hands on rsNone or rsSdot; a line handed any value but rsSdot starts with nothing open.
enum RangeState : std::uint8_t {
    rsNone = 0,
    rsSdot = 1,   // inside a "/*" block comment
    rsString = 2, // inside a string
    rsDSL = 3,    // inside a "//" comment
};

struct SqsToken {
    qsizetype start = 0;  // byte offset in the line
    qsizetype length = 0; // bytes
    TokenKind kind = tkNull;

    bool operator==(const SqsToken &) const = default;
};

// Scans one line at a time, given the range the line before left open. Scanning does not change the
// scanner, and styleLine() allocates nothing, so the editor styles any number of lines with one scanner.
class SqsScanner
{
public:
    // The keyword list holds the single built-in entry "abs".
    SqsScanner();

    // Replaces the keyword list by the lines of `text` (split at CR LF, LF or CR).
    // Lookup ignores ASCII case; entries that are not plain words can never match and are dropped.
    void setKeyWords(const QString &text);

    // True when `word` is in the keyword list, compared without ASCII case.
    bool isKeyword(QByteArrayView word) const;

    // The tokens of `line` (UTF-8, without its line break) in order, replacing the content of `tokens`.
    // They cover the line exactly; the last one is always tkNull (empty unless a NUL byte ended the line).
    // Returns the range the line hands to the next: rsSdot inside an unclosed block comment, else rsNone.
    RangeState scanLine(QByteArrayView line, RangeState rangeIn, std::vector<SqsToken> &tokens) const;

    // The same scan, writing the kind of every byte of `line` into styles[0 .. line.size()).
    RangeState styleLine(QByteArrayView line, RangeState rangeIn, char *styles) const;

    // The same scan, for the range it hands on only.
    RangeState rangeAfter(QByteArrayView line, RangeState rangeIn) const;

private:
    template <class Sink>
    RangeState scan(QByteArrayView line, RangeState range, Sink &&sink) const;
    bool isKeyword(const unsigned char *word, std::size_t length) const;
    void rebuildTable();

    std::vector<std::string> m_words;  // lower case, sorted, unique
    std::vector<std::int32_t> m_slots; // open-addressing table of indexes into m_words; -1 is empty
    std::size_t m_maxWordLength = 0;
};
