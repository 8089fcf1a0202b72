// Styling of the editor's bytes line by line, and the attributes turned into Scintilla styles.
#include "editor/ScriptLexer.h"

#include "common/QtColor.h"

#include <QFontInfo>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstring>

namespace {

using Sci = QsciScintillaBase;
using Attr = LexerAttributes;

constexpr std::size_t kChunkBytes = 64 * 1024; // styles handed to Scintilla per call

const QByteArray &wordCharacterBytes()
{
    // ASCII word characters, and the UTF-8 bytes of the Cyrillic letters (lead bytes 0xD0, 0xD1 and
    // the continuation bytes) for QsciScintilla's byte-wise word helpers.
    static const QByteArray chars = [] {
        QByteArray s("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
        for (int b = 0x80; b <= 0xBF; ++b)
            s += char(b);
        s += '\xD0';
        s += '\xD1';
        return s;
    }();
    return chars;
}

// QsciScintilla sizes the styles by points only: a font sized in pixels gets its size in points.
QFont withPointSize(QFont font)
{
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(QFontInfo(font).pointSizeF());
    return font;
}

} // namespace

ScriptLexer::ScriptLexer(QObject *parent)
    : QsciLexerCustom(parent),
      sqsComment(new Attr(QStringLiteral("Comment"), Colors::clGray, Attr::Italic, this)),
      lineComment(new Attr(QStringLiteral("DSL"), Colors::clNone, {}, this)),
      blockComment(new Attr(QStringLiteral("Sdot"), Colors::clNone, {}, this)),
      identifier(new Attr(QStringLiteral("Identifier"), Colors::clNone, {}, this)),
      keyword(new Attr(QStringLiteral("Reserved Word"), Colors::clBlack, Attr::Bold, this)),
      number(new Attr(QStringLiteral("Number"), Colors::clTeal, Attr::Bold, this)),
      space(new Attr(QStringLiteral("Space"), Colors::clNone, {}, this)),
      string(new Attr(QStringLiteral("String"), Colors::clGreen, {}, this)),
      preprocessor(new Attr(QStringLiteral("Preprocessor"), Colors::clMaroon, Attr::Bold, this)),
      variable(new Attr(QStringLiteral("Underline"), Colors::clNavy, {}, this)),
      delay(new Attr(QStringLiteral("TildaNumber"), Colors::clPurple, {}, this))
{
    m_styleAttributes[tkComment] = sqsComment;
    m_styleAttributes[tkDSL] = lineComment;
    m_styleAttributes[tkSdot] = blockComment;
    m_styleAttributes[tkIdentifier] = identifier;
    m_styleAttributes[tkKey] = keyword;
    m_styleAttributes[tkNumber] = number;
    m_styleAttributes[tkSpace] = space;
    m_styleAttributes[tkString] = string;
    m_styleAttributes[tkPreprocessor] = preprocessor;
    m_styleAttributes[tkUnderline] = variable;
    m_styleAttributes[tkTilda] = delay;
    m_styleAttributes[tkUnknown] = identifier;

    for (Attr *a : {sqsComment, lineComment, blockComment, identifier, keyword, number, space,
                    string, preprocessor, variable, delay}) {
        connect(a, &Attr::changed, this, [this, a] {
            for (int s = 0; s < int(m_styleAttributes.size()); ++s)
                if (m_styleAttributes[s] == a)
                    applyStyle(s);
        });
    }
    m_styles.resize(kChunkBytes);
}

ScriptLexer::~ScriptLexer() = default;

void ScriptLexer::setKeyWords(const QString &text)
{
    m_scanner.setKeyWords(text);
    restyle();
}

void ScriptLexer::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    restyle();
}

std::array<LexerAttributes *, kKeyedAttributeCount> ScriptLexer::keyedAttributes() const
{
    return {keyword, number, string, preprocessor, identifier, variable, delay};
}

TextLook ScriptLexer::commentLook(bool sqs) const
{
    return (sqs ? sqsComment : blockComment)->look();
}

void ScriptLexer::setCommentStyle(bool sqs, const TextLook &look)
{
    m_sqsComments = sqs;
    for (Attr *attr : {sqsComment, blockComment, lineComment}) {
        const bool carries = (attr == sqsComment) == sqs;
        if (carries) {
            attr->setLook(look);
        } else {
            attr->setForeground(Colors::clNone);
            attr->setStyle(identifier->style());
        }
    }
}

const char *ScriptLexer::language() const
{
    return "SQS";
}

QString ScriptLexer::description(int style) const
{
    if (const Attr *a = attributeOf(style))
        return style == tkUnknown ? QStringLiteral("Unknown") : a->name();
    return style == PlainStyle ? QStringLiteral("Null") : QString();
}

LexerAttributes *ScriptLexer::attributeOf(int style) const
{
    return style >= 0 && style < int(m_styleAttributes.size()) ? m_styleAttributes[style] : nullptr;
}

QColor ScriptLexer::color(int style) const
{
    const Attr *a = attributeOf(style);
    return a ? toQColor(a->foreground(), defaultColor()) : defaultColor();
}

QColor ScriptLexer::paper(int style) const
{
    const Attr *a = attributeOf(style);
    return a ? toQColor(a->background(), defaultPaper()) : defaultPaper();
}

QFont ScriptLexer::font(int style) const
{
    QFont f = defaultFont();
    if (const Attr *a = attributeOf(style)) {
        const Attr::FontStyles s = a->style();
        f.setBold(s.testFlag(Attr::Bold));
        f.setItalic(s.testFlag(Attr::Italic));
        f.setUnderline(s.testFlag(Attr::Underline));
        f.setStrikeOut(s.testFlag(Attr::StrikeOut));
    }
    return f;
}

bool ScriptLexer::caseSensitive() const
{
    return false; // script commands are looked up without case
}

const char *ScriptLexer::wordCharacters() const
{
    return wordCharacterBytes().constData();
}

void ScriptLexer::setEditor(QsciScintilla *ed)
{
    QsciLexerCustom::setEditor(ed);
    if (!ed)
        return;
    // The editor's font and colours, set from the settings before it got the highlighter, stay.
    setDefaultFont(withPointSize(ed->font()));
    setDefaultColor(ed->color());
    storeDefaultPaper(ed->paper());
    ed->SendScintilla(Sci::SCI_SETWORDCHARS, uintptr_t(0), wordCharacters());
}

void ScriptLexer::refreshProperties()
{
    // Called by QsciScintilla::setLexer after it has set every style. It ties the default style's
    // font to style 0, our comment style (italic by default); put the plain font back.
    applyStyle(Sci::STYLE_DEFAULT);
}

void ScriptLexer::setEditorLook(const QFont &look, const QColor &text, const QColor &paper)
{
    const QFont font = withPointSize(look);
    setDefaultFont(font);
    setDefaultColor(text);
    storeDefaultPaper(paper);
    // Keep the widget's own font in step, so that whoever reads the editor's font gets this one.
    if (QsciScintilla *ed = editor())
        static_cast<QWidget *>(ed)->setFont(font);
    applyAllStyles();
}

void ScriptLexer::storeDefaultPaper(const QColor &paper)
{
    // QsciLexer::setDefaultPaper calls setPaper() with STYLE_DEFAULT; here that is only the echo.
    m_storingPaper = true;
    QsciLexer::setDefaultPaper(paper);
    m_storingPaper = false;
}

void ScriptLexer::setColor(const QColor &c, int style)
{
    if (style < 0 || style == Sci::STYLE_DEFAULT)
        setEditorLook(defaultFont(), c, defaultPaper());
}

void ScriptLexer::setPaper(const QColor &c, int style)
{
    if (!m_storingPaper && (style < 0 || style == Sci::STYLE_DEFAULT))
        setEditorLook(defaultFont(), defaultColor(), c);
}

void ScriptLexer::setFont(const QFont &f, int style)
{
    if (style < 0 || style == Sci::STYLE_DEFAULT)
        setEditorLook(f, defaultColor(), defaultPaper());
}

void ScriptLexer::applyStyle(int style)
{
    emit colorChanged(color(style), style);
    emit paperChanged(paper(style), style);
    emit fontChanged(font(style), style);
    // QsciScintilla copies style 0's font into the default style, which sets the tab and
    // character widths: the default style keeps the plain font.
    if (style == 0)
        emit fontChanged(defaultFont(), Sci::STYLE_DEFAULT);
}

void ScriptLexer::applyAllStyles()
{
    for (int s = 0; s < int(m_styleAttributes.size()); ++s)
        if (!description(s).isEmpty())
            applyStyle(s);
    applyStyle(Sci::STYLE_DEFAULT);
}

void ScriptLexer::restyle()
{
    QsciScintilla *ed = editor();
    if (!ed)
        return;
    // SCI_COLOURISE from 0 makes the whole text unstyled; the lines on screen are styled now,
    // the rest when they are shown.
    const long firstLine = ed->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long lastLine = ed->SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE,
                                            firstLine + ed->SendScintilla(Sci::SCI_LINESONSCREEN) + 1);
    ed->SendScintilla(Sci::SCI_COLOURISE, 0UL, ed->SendScintilla(Sci::SCI_GETLINEENDPOSITION, lastLine));
}

void ScriptLexer::styleText(int start, int end)
{
    QsciScintilla *ed = editor();
    if (!ed)
        return;
    const long length = ed->SendScintilla(Sci::SCI_GETLENGTH);
    const long lineCount = ed->SendScintilla(Sci::SCI_GETLINECOUNT);
    long line = ed->SendScintilla(Sci::SCI_LINEFROMPOSITION, start);
    const long from = ed->SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long stop = std::min<long>(end, length);
    if (stop <= from)
        return;
    // Whole lines, through the one holding the last position asked for.
    const long lastLine = ed->SendScintilla(Sci::SCI_LINEFROMPOSITION, stop - 1);
    const long to = lastLine + 1 < lineCount ? ed->SendScintilla(Sci::SCI_POSITIONFROMLINE, lastLine + 1) : length;
    const long count = to - from;

    ed->SendScintilla(Sci::SCI_STARTSTYLING, from);
    if (!m_enabled) {
        ed->SendScintilla(Sci::SCI_SETSTYLING, count, PlainStyle);
        return;
    }

    // One contiguous view of the bytes; styling and line states leave the text where it is.
    const char *text = reinterpret_cast<const char *>(ed->SendScintilla(Sci::SCI_GETRANGEPOINTER, from, count));
    RangeState range = line > 0 ? RangeState(ed->SendScintilla(Sci::SCI_GETLINESTATE, line - 1) & 0xFF) : rsNone;

    long chunkStart = 0; // styles of [chunkStart, i) wait in m_styles
    const auto flush = [&](long upTo) {
        if (upTo > chunkStart)
            ed->SendScintilla(Sci::SCI_SETSTYLINGEX, uintptr_t(upTo - chunkStart), m_styles.data());
        chunkStart = upTo;
    };
    for (long i = 0; i < count;) {
        // Scintilla ends a line at CR LF, LF or CR.
        long eol = i;
        while (eol < count && text[eol] != '\r' && text[eol] != '\n')
            ++eol;
        long next = eol;
        if (next < count && text[next] == '\r')
            ++next;
        if (next < count && text[next] == '\n')
            ++next;
        if (std::size_t(next - chunkStart) > m_styles.size()) {
            flush(i);
            if (std::size_t(next - i) > m_styles.size())
                m_styles.resize(std::size_t(next - i));
        }
        char *styles = m_styles.data() + (i - chunkStart);
        range = m_scanner.styleLine(QByteArrayView(text + i, eol - i), range, styles);
        std::memset(styles + (eol - i), tkSpace, std::size_t(next - eol));
        ed->SendScintilla(Sci::SCI_SETLINESTATE, line, long(range));
        ++line;
        i = next;
    }
    flush(count);
    // A line longer than a chunk grew the buffer; do not keep megabytes for one long line.
    if (m_styles.size() > kChunkBytes) {
        m_styles.resize(kChunkBytes);
        m_styles.shrink_to_fit();
    }
}
