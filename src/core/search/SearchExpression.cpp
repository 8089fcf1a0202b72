// PCRE2 (8-bit, UTF, JIT where available) behind the search expression; the Russian ranges.
#include "search/SearchExpression.h"

#include "search/TextOffsets.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

struct SearchExpression::Pcre
{
    pcre2_code *code = nullptr;
    pcre2_match_data *data = nullptr;
    pcre2_match_context *context = nullptr;
    pcre2_jit_stack *jitStack = nullptr;

    ~Pcre()
    {
        pcre2_jit_stack_free(jitStack);
        pcre2_match_context_free(context);
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
};

namespace {

QString errorText(int code)
{
    PCRE2_UCHAR buffer[256];
    const int n = pcre2_get_error_message(code, buffer, sizeof buffer);
    return n > 0 ? QString::fromUtf8(reinterpret_cast<const char *>(buffer), n) : QString();
}

// An empty view may carry no pointer at all; the library wants one.
const PCRE2_UCHAR *subjectOf(QByteArrayView text)
{
    static const char empty[1] = {};
    return reinterpret_cast<const PCRE2_UCHAR *>(text.data() ? text.data() : empty);
}

} // namespace

SearchExpression::SearchExpression(const QString &pattern, Options options)
{
    const bool plain = options.syntax == Syntax::PlainText;
    const QByteArray bytes = (plain ? pattern : withRussianRanges(pattern)).toUtf8();
    // Invalid UTF-8 in the editor (a byte it shows on its own) simply never matches.
    uint32_t flags = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    if (options.ignoreCase)
        flags |= PCRE2_CASELESS;
    flags |= plain ? PCRE2_LITERAL : PCRE2_DOTALL;

    pcre2_compile_context *compile = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(compile, PCRE2_NEWLINE_ANYCRLF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code *code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(bytes.constData()), PCRE2_SIZE(bytes.size()),
                                     flags, &error, &errorOffset, compile);
    pcre2_compile_context_free(compile);
    if (!code) {
        m_error = errorText(error);
        return;
    }
    m_code = new Pcre;
    m_code->code = code;
    m_code->data = pcre2_match_data_create_from_pattern(code, nullptr);
    if (pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) == 0) {
        // Deep expressions over long texts outgrow the default 32 KB machine stack of the JIT.
        m_code->context = pcre2_match_context_create(nullptr);
        m_code->jitStack = pcre2_jit_stack_create(32 * 1024, 8 * 1024 * 1024, nullptr);
        pcre2_jit_stack_assign(m_code->context, nullptr, m_code->jitStack);
    }
}

SearchExpression::~SearchExpression()
{
    delete m_code;
}

SearchExpression::Status SearchExpression::matchFrom(QByteArrayView text, qsizetype from, SearchMatch &match) const
{
    if (!m_code || from < 0 || from > text.size())
        return m_code ? Status::NoMatch : Status::Failed;
    const int rc = pcre2_match(m_code->code, subjectOf(text), PCRE2_SIZE(text.size()), PCRE2_SIZE(from), 0,
                               m_code->data, m_code->context);
    if (rc == PCRE2_ERROR_NOMATCH)
        return Status::NoMatch;
    if (rc < 0)
        return Status::Failed;
    const PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(m_code->data);
    match.start = qsizetype(ovector[0]);
    // \K in a lookahead can end a match before its start; such a match is empty.
    match.length = ovector[1] > ovector[0] ? qsizetype(ovector[1] - ovector[0]) : 0;
    return Status::Matched;
}

MatchList SearchExpression::matches(QByteArrayView text, bool *failed) const
{
    MatchList list;
    const bool ok = forEachMatch(text, [&list](const SearchMatch &m) { list.push_back(m); });
    if (!ok)
        list.clear();
    if (failed)
        *failed = !ok;
    return list;
}

qsizetype SearchExpression::stepOver(QByteArrayView text, qsizetype pos)
{
    return TextOffsets::nextChar(text, pos);
}

namespace {

constexpr char16_t kLowA = u'а', kLowYa = u'я';
constexpr char16_t kUpA = u'А', kUpYa = u'Я';

// What a range of two literal characters becomes; empty when it is no Russian range.
QString russianRange(QChar lo, QChar hi)
{
    if (lo == kLowA && hi == kLowYa)
        return QStringLiteral("а-яё");
    if (lo == kUpA && hi == kUpYa)
        return QStringLiteral("А-ЯЁ");
    if (lo == kLowA && hi == kUpYa)
        return QStringLiteral("А-яЁё");
    return {};
}

// Length of an escape at i ("\x", "\Q...\E" up to and including "\E" or the end).
qsizetype escapeLength(QStringView p, qsizetype i)
{
    if (i + 1 < p.size() && p[i + 1] == u'Q') {
        const qsizetype e = p.indexOf(u"\\E", i + 2);
        return e < 0 ? p.size() - i : e + 2 - i;
    }
    return i + 1 < p.size() ? 2 : 1;
}

} // namespace

QString withRussianRanges(QStringView p)
{
    QString out;
    out.reserve(p.size() + 8);
    bool inClass = false;
    qsizetype literalAt = -1; // the class's last item when it is a plain character
    for (qsizetype i = 0; i < p.size();) {
        const QChar c = p[i];
        if (c == u'\\') {
            const qsizetype n = escapeLength(p, i);
            out += p.mid(i, n);
            i += n;
            literalAt = -1;
            continue;
        }
        if (!inClass) {
            out += c;
            ++i;
            if (c == u'[') {
                inClass = true;
                literalAt = -1;
                if (i < p.size() && p[i] == u'^')
                    out += p[i++];
                if (i < p.size() && p[i] == u']') // a leading ']' is a character of the class
                    out += p[i++];
            }
            continue;
        }
        if (c == u'[' && i + 1 < p.size() && p[i + 1] == u':') { // [:alpha:]
            const qsizetype e = p.indexOf(u":]", i + 2);
            const qsizetype n = e < 0 ? p.size() - i : e + 2 - i;
            out += p.mid(i, n);
            i += n;
            literalAt = -1;
            continue;
        }
        if (c == u']') {
            inClass = false;
        } else if (c == u'-' && literalAt >= 0 && i + 1 < p.size() && p[i + 1] != u']' && p[i + 1] != u'\\'
                   && p[i + 1] != u'[') {
            const QString range = russianRange(p[literalAt], p[i + 1]);
            if (!range.isEmpty()) {
                out.chop(1);
                out += range;
                i += 2;
                literalAt = -1;
                continue;
            }
            out += c;
            out += p[i + 1];
            i += 2;
            literalAt = -1; // the end of a range starts no new one
            continue;
        }
        out += c;
        literalAt = c == u']' ? -1 : i;
        ++i;
    }
    return out;
}
