// The highlighter in a real editor: example scripts styled whole and line by line, attributes as
// Scintilla styles, switching off and on, new keywords.
#include "common/QtColor.h"
#include "editor/ScriptLexer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using Sci = QsciScintillaBase;
using Rows = std::vector<std::string>;

const QString kKeywords = QStringLiteral("abs\naddWeapon\nhint\nif\nthen\ngoto\nexitWith");
const QString kExamples = QStringLiteral(VELMORA_SOURCE_DIR "/tests/lexer/examples");

long bgr(const QColor &c) { return (c.blue() << 16) | (c.green() << 8) | c.red(); }

struct Editor
{
    QsciScintilla edit;
    ScriptLexer lexer;
    explicit Editor(const QByteArray &text = {})
    {
        edit.setUtf8(true);
        lexer.setKeyWords(kKeywords);
        edit.setLexer(&lexer);
        edit.SendScintilla(Sci::SCI_SETTEXT, text.constData());
    }
    ~Editor() { edit.setLexer(nullptr); }
    long send(unsigned msg, unsigned long w = 0, long l = 0) const { return edit.SendScintilla(msg, w, l); }
    long lines() const { return send(Sci::SCI_GETLINECOUNT); }
    long lineStart(long line) const
    {
        return line < lines() ? send(Sci::SCI_POSITIONFROMLINE, line) : send(Sci::SCI_GETLENGTH);
    }
    int styleAt(long pos) const { return int(send(Sci::SCI_GETSTYLEAT, pos)); }
    // QsciScintilla hands Scintilla the Qt font weight, negated.
    bool bold(int style) const { return std::abs(send(Sci::SCI_STYLEGETWEIGHT, style)) >= QFont::DemiBold; }
    void styleAll() { send(Sci::SCI_COLOURISE, 0, -1); }
    // What a repaint does: style on from Scintilla's first unstyled position.
    void styleFromWatermark() { send(Sci::SCI_COLOURISE, send(Sci::SCI_GETENDSTYLED), -1); }
    void styleLineAlone(long line) { lexer.styleText(int(lineStart(line)), int(lineStart(line + 1))); }
    // Per line one letter per character, as in the .styles files; '!' where the bytes of a character
    // differ, '|' where a line break is not styled as a blank.
    Rows letters() const
    {
        const auto *text = static_cast<const unsigned char *>(edit.SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
        Rows rows;
        for (long line = 0; line < lines(); ++line) {
            const long end = send(Sci::SCI_GETLINEENDPOSITION, line);
            std::string row;
            for (long p = lineStart(line); p < end;) {
                const int len = text[p] < 0x80 ? 1 : text[p] < 0xE0 ? 2 : text[p] < 0xF0 ? 3 : 4;
                bool same = styleAt(p) < 14;
                for (int k = 1; k < len; ++k)
                    same = same && styleAt(p + k) == styleAt(p);
                row += same ? "CDBIK-N.S!PUT?"[styleAt(p)] : '!';
                p += len;
            }
            for (long p = end; p < lineStart(line + 1); ++p)
                if (styleAt(p) != tkSpace)
                    row += '|';
            rows.push_back(row);
        }
        return rows;
    }
};

// The lines of a file that ends with a line break.
Rows readLines(const QString &path)
{
    QFile f(path);
    Rows lines;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &l : f.readAll().chopped(1).split('\n'))
            lines.push_back(l.toStdString());
    return lines;
}

std::vector<std::string> exampleNames()
{
    std::vector<std::string> names;
    for (const QString &name : QDir(kExamples).entryList({"*.sqs", "*.sqf"}, QDir::Files, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

class Example : public ::testing::TestWithParam<std::string>
{
};

} // namespace

TEST_P(Example, StyledAsExpectedWholeOrLineByLine)
{
    const QString path = kExamples + u'/' + QString::fromStdString(GetParam());
    const Rows text = readLines(path);
    const Rows expected = readLines(path + QStringLiteral(".styles"));
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.size(), expected.size()) << "a styles line for each line of the script";
    const auto check = [&](const Rows &actual, const std::string &how) {
        for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i)
            EXPECT_EQ(actual[i], expected[i]) << how << ", line " << i + 1 << ": " << text[i];
        EXPECT_EQ(actual.size(), expected.size()) << how;
    };
    for (const auto &[eolName, eol] : {std::pair{"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}}) {
        const std::string with = std::string(", ") + eolName;
        QByteArray bytes;
        for (std::size_t i = 0; i < text.size(); ++i)
            bytes += QByteArray(i > 0 ? eol : "") + text[i].c_str();
        Editor e(bytes);
        e.styleAll();
        const Rows whole = e.letters();
        check(whole, "whole" + with);
        if (whole != expected) { // what the highlighter produced, beside the example, for diff
            QFile out(path + QStringLiteral(".styles.new"));
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                for (const std::string &line : whole)
                    out.write((line + '\n').c_str());
        }
        // Each line alone through the highlighter's entry point: last first after the whole pass
        // (line states left by it), then first to last from scrambled styles and line states.
        for (long line = e.lines() - 1; line >= 0; --line)
            e.styleLineAlone(line);
        check(e.letters(), "each line again, last first" + with);
        e.send(Sci::SCI_STARTSTYLING, 0);
        e.send(Sci::SCI_SETSTYLING, e.send(Sci::SCI_GETLENGTH), 9);
        for (long line = 0; line < e.lines(); ++line)
            e.send(Sci::SCI_SETLINESTATE, line, 0x5A);
        for (long line = 0; line < e.lines(); ++line)
            e.styleLineAlone(line);
        check(e.letters(), "each line alone" + with);
        Editor typed;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const QByteArray line = QByteArray(i > 0 ? eol : "") + text[i].c_str();
            typed.edit.SendScintilla(Sci::SCI_APPENDTEXT, line.size(), line.constData());
            typed.styleFromWatermark();
        }
        check(typed.letters(), "typed" + with);
    }
}

INSTANTIATE_TEST_SUITE_P(LexerExamples, Example, ::testing::ValuesIn(exampleNames()), [](const auto &param) {
    std::string name = param.param;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

TEST(LexerHighlighter, LongTextStyledInPiecesMatchesTheScanner)
{
    // Many styling chunks, block comments across their borders and a line longer than a chunk.
    const char *const pieces[] = {"_x = abs (_y + 1.5);", " hint \"Привет\";", "; a comment", "// note",
                                  "/* a block", "ends */", "~2.5 #label", "\tgoto", "0x1F 1..5", "\"open", ""};
    std::mt19937 rng(7);
    QByteArray text;
    for (int i = 0; i < 12000; ++i) {
        for (int k = int(rng() % 4); k >= 0; --k)
            text += pieces[rng() % std::size(pieces)];
        text += i == 6000 ? QByteArray(150000, 'q') + "\r\n" : QByteArray("\r\n");
    }
    SqsScanner scanner;
    scanner.setKeyWords(kKeywords);
    std::string expected(std::size_t(text.size()), char(tkSpace));
    RangeState range = rsNone;
    for (qsizetype start = 0, end; start <= text.size(); start = end + 2) {
        end = text.indexOf("\r\n", start) < 0 ? text.size() : text.indexOf("\r\n", start);
        range = scanner.styleLine(QByteArrayView(text).sliced(start, end - start), range, expected.data() + start);
    }
    Editor e(text);
    const auto styles = [&e] {
        std::string s(std::size_t(e.send(Sci::SCI_GETLENGTH)), '\0');
        for (std::size_t p = 0; p < s.size(); ++p)
            s[p] = char(e.styleAt(long(p)));
        return s;
    };
    e.styleAll();
    EXPECT_TRUE(styles() == expected) << "whole";
    e.send(Sci::SCI_CLEARDOCUMENTSTYLE);
    for (long at = 0; at < e.send(Sci::SCI_GETLENGTH); at = e.send(Sci::SCI_GETENDSTYLED))
        e.send(Sci::SCI_COLOURISE, at, at + 7919); // repaints of uneven pieces, each ending inside a line
    EXPECT_TRUE(styles() == expected) << "in pieces";
}

TEST(LexerHighlighter, KeepsTheFontSetBeforeIt)
{
    QsciScintilla edit;
    edit.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 17));
    ScriptLexer lexer;
    edit.setLexer(&lexer);
    EXPECT_EQ(edit.SendScintilla(Sci::SCI_STYLEGETSIZE, tkKey), 17);
    EXPECT_FALSE(edit.SendScintilla(Sci::SCI_STYLEGETITALIC, Sci::STYLE_DEFAULT)) << "plain, though style 0 is italic";
    edit.setLexer(nullptr);
}

// An editor with its own font and colours, the highlighter's attributes at their defaults.
struct LookedEditor : Editor
{
    QFont font{QStringLiteral("DejaVu Sans Mono"), 13};
    const QColor text{1, 2, 3}, paper{250, 251, 240};
    LookedEditor() { lexer.setEditorLook(font, text, paper); }
};

// The names are those of the settings file; clNone is the editor's own text colour.
TEST(LexerHighlighter, StylesAreTheEditorsLookUnderTheAttributes)
{
    LookedEditor e;
    struct Row { int style; const char *name; ColorValue fore; bool bold, italic; };
    const Row rows[] = {
        {tkComment, "Comment", Colors::clGray, false, true},
        {tkDSL, "DSL", Colors::clNone, false, false},
        {tkSdot, "Sdot", Colors::clNone, false, false},
        {tkIdentifier, "Identifier", Colors::clNone, false, false},
        {tkKey, "Reserved Word", Colors::clBlack, true, false},
        {tkNull, "Null", Colors::clNone, false, false},
        {tkNumber, "Number", Colors::clTeal, true, false},
        {tkSpace, "Space", Colors::clNone, false, false},
        {tkString, "String", Colors::clGreen, false, false},
        {tkUnknown, "Unknown", Colors::clNone, false, false},
        {tkPreprocessor, "Preprocessor", Colors::clMaroon, true, false},
        {tkUnderline, "Underline", Colors::clNavy, false, false},
        {tkTilda, "TildaNumber", Colors::clPurple, false, false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(e.lexer.description(r.style).toStdString(), r.name);
        EXPECT_EQ(e.send(Sci::SCI_STYLEGETFORE, r.style), r.fore == Colors::clNone ? bgr(e.text) : long(r.fore));
        EXPECT_EQ(e.send(Sci::SCI_STYLEGETBACK, r.style), bgr(e.paper));
        EXPECT_EQ(e.bold(r.style), r.bold);
        EXPECT_EQ(bool(e.send(Sci::SCI_STYLEGETITALIC, r.style)), r.italic);
        EXPECT_EQ(e.send(Sci::SCI_STYLEGETSIZE, r.style), 13);
    }
    EXPECT_EQ(e.edit.font().family(), e.font.family()) << "the widget's font follows";
    e.font.setPixelSize(15);
    e.lexer.setEditorLook(e.font, e.text, e.paper);
    EXPECT_GT(e.send(Sci::SCI_STYLEGETSIZE, tkKey), 0) << "a font sized in pixels still has a size";
}

// An unchanged value is no change.
TEST(LexerHighlighter, AttributeChangeReachesItsStylesAtOnce)
{
    LookedEditor e;
    ScriptLexer &h = e.lexer;
    int changes = 0;
    QObject::connect(h.keyword, &LexerAttributes::changed, [&changes] { ++changes; });
    h.keyword->setForeground(Colors::clRed);
    h.keyword->setForeground(Colors::clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(e.send(Sci::SCI_STYLEGETFORE, tkKey), long(Colors::clRed));
    // Identifiers and unknown characters share an attribute.
    h.identifier->setStyle(LexerAttributes::Bold | LexerAttributes::Underline);
    for (int style : {int(tkIdentifier), int(tkUnknown)})
        EXPECT_TRUE(e.bold(style) && e.send(Sci::SCI_STYLEGETUNDERLINE, style)) << style;
    // A neutralised comment looks like plain text.
    h.sqsComment->setForeground(Colors::clNone);
    h.sqsComment->setStyle(h.identifier->style());
    EXPECT_EQ(e.send(Sci::SCI_STYLEGETFORE, tkComment), bgr(e.text));
    EXPECT_TRUE(e.bold(tkComment) && !e.send(Sci::SCI_STYLEGETITALIC, tkComment));
    EXPECT_FALSE(e.bold(Sci::STYLE_DEFAULT));
    h.blockComment->setBackground(Colors::clInfoBk);
    EXPECT_EQ(e.send(Sci::SCI_STYLEGETBACK, tkSdot), bgr(QGuiApplication::palette().color(QPalette::ToolTipBase)));
}

TEST(LexerHighlighter, AttributesStayOnTopOfALaterFont)
{
    LookedEditor e;
    e.lexer.keyword->setForeground(Colors::clRed);
    QFont bigger = e.lexer.defaultFont();
    bigger.setPointSize(21);
    e.lexer.setFont(bigger);
    EXPECT_EQ(e.send(Sci::SCI_STYLEGETSIZE, tkSdot), 21);
    EXPECT_TRUE(e.bold(tkNumber));
    EXPECT_EQ(e.send(Sci::SCI_STYLEGETFORE, tkKey), long(Colors::clRed));
}

const QByteArray kScript = "hint \"x\" ; 5\r\n/* a\r\nb */ _v abs";
const Rows kScriptStyles{"KKKK.SSS.?.N", "BBBB", "BBBB.UU.KKK"};

TEST(LexerHighlighter, SwitchedOffItLeavesPlainTextTillSwitchedOn)
{
    Editor e(kScript);
    e.styleAll();
    e.lexer.setEnabled(false);
    e.styleFromWatermark();
    EXPECT_EQ(e.letters(), (Rows{"------------||", "----||", "-----------"})) << "line breaks too";
    EXPECT_TRUE(e.lexer.keyword->style().testFlag(LexerAttributes::Bold)) << "the attributes stay";
    e.lexer.setEnabled(true);
    e.styleFromWatermark();
    EXPECT_EQ(e.letters(), kScriptStyles);
}

TEST(LexerHighlighter, NewKeywordsRestyle)
{
    Editor e(kScript);
    e.styleAll();
    e.lexer.setKeyWords(QStringLiteral("_v\nb"));
    e.styleFromWatermark();
    EXPECT_EQ(e.letters(), (Rows{"IIII.SSS.?.N", "BBBB", "BBBB.UU.III"}));
}

// Words for the editor's word moves are identifier characters.
TEST(LexerHighlighter, WordsIncludeCyrillicLetters)
{
    Editor words("_abc1-x слово;y");
    EXPECT_EQ(words.send(Sci::SCI_WORDENDPOSITION, 0, 1), 5);
    EXPECT_EQ(words.send(Sci::SCI_WORDENDPOSITION, 8, 1), 18) << "a Cyrillic word is one word";
}

TEST(LexerHighlighter, BlockCommentOpenedAboveRestylesTheLinesBelow)
{
    Editor block("a\r\nb\r\nc */ d\r\ne");
    block.styleAll();
    ASSERT_EQ(block.letters(), (Rows{"I", "I", "I.?I.I", "I"}));
    block.edit.SendScintilla(Sci::SCI_INSERTTEXT, 0UL, "/*");
    // A repaint of the first line only leaves what lies below unstyled.
    block.send(Sci::SCI_COLOURISE, 0, block.send(Sci::SCI_GETLINEENDPOSITION, 0));
    EXPECT_LE(block.send(Sci::SCI_GETENDSTYLED), block.lineStart(1));
    block.styleFromWatermark();
    EXPECT_EQ(block.letters(), (Rows{"BBB", "B", "BBBB.I", "I"}));
    block.send(Sci::SCI_DELETERANGE, block.lineStart(2) + 2, 2); // the closing "*/"
    block.styleFromWatermark();
    EXPECT_EQ(block.letters(), (Rows{"BBB", "B", "BBBB", "B"}));
    block.send(Sci::SCI_DELETERANGE, 0, 2);
    block.styleFromWatermark();
    EXPECT_EQ(block.letters(), (Rows{"I", "I", "I..I", "I"}));
}

TEST(LexerTColorQt, SettingsColoursBecomeQtColours)
{
    const QColor none(7, 8, 9);
    const QPalette pal = QGuiApplication::palette();
    const std::pair<ColorValue, QColor> cases[] = {
        {0x00FF8040, QColor(0x40, 0x80, 0xFF)},
        {Colors::clNone, none},
        {Colors::clDefault, none},
        {Colors::clWindowText, pal.color(QPalette::Text)},
        {Colors::clWindow, pal.color(QPalette::Base)},
        {Colors::clHighlight, pal.color(QPalette::Highlight)},
        {Colors::clSystemColor | 25, none}, // no desktop colour
    };
    for (const auto &[color, qt] : cases)
        EXPECT_EQ(toQColor(color, none), qt) << std::hex << color;
}
