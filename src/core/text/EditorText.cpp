// Splitting and joining text in the editor's line form.
#include "text/EditorText.h"

namespace EditorText {

QStringList splitLines(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text = text.left(nul);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

namespace {

// Where the text stops (its first NUL) and whether every line break before it is CR LF already.
template <class Char>
bool inEditorForm(const Char *p, qsizetype n, qsizetype *end)
{
    *end = n;
    for (qsizetype i = 0; i < n; ++i) {
        const Char c = p[i];
        if (c > Char('\r'))
            continue;
        if (c == Char(0)) {
            *end = i;
            return false;
        }
        if (c == Char('\r')) {
            if (i + 1 >= n || p[i + 1] != Char('\n'))
                return false;
            ++i;
        } else if (c == Char('\n')) {
            return false;
        }
    }
    return true;
}

template <class Text, class Char>
Text rewritten(const Char *p, qsizetype n)
{
    Text out;
    out.reserve(n + n / 32);
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const Char c = p[i];
        if (c == Char(0))
            break;
        if (c != Char('\r') && c != Char('\n'))
            continue;
        out.append(Text(p + start, i - start));
        out.append("\r\n");
        if (c == Char('\r') && i + 1 < n && p[i + 1] == Char('\n'))
            ++i;
        start = i + 1;
    }
    qsizetype end = n;
    for (qsizetype i = start; i < n; ++i)
        if (p[i] == Char(0)) {
            end = i;
            break;
        }
    if (start < end)
        out.append(Text(p + start, end - start));
    return out;
}

} // namespace

QString normalize(QStringView text)
{
    qsizetype end;
    if (inEditorForm(text.data(), text.size(), &end))
        return text.toString();
    return rewritten<QString>(text.data(), text.size());
}

QString normalize(const QString &text)
{
    qsizetype end;
    if (inEditorForm(text.constData(), text.size(), &end))
        return text;
    return rewritten<QString>(text.constData(), text.size());
}

QByteArray normalize(const QByteArray &bytes)
{
    qsizetype end;
    if (inEditorForm(bytes.constData(), bytes.size(), &end))
        return bytes;
    return rewritten<QByteArray>(bytes.constData(), bytes.size());
}

} // namespace EditorText
