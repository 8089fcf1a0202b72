// Reading a command's help card.
#include "gamedata/HelpCard.h"

#include "script/CaretText.h"
#include "text/Cp1251.h"
#include "text/EditorText.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Removes from the first `open` to the first '>' when that '>' comes after it.
QString removeSpan(const QString &text, QStringView open)
{
    const qsizetype from = text.indexOf(open);
    const qsizetype to = text.indexOf(u'>');
    if (from < 0 || to < from)
        return text;
    QString result = text;
    return result.remove(from, to - from + 1);
}

bool isCardName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (!CaretText::isIdentChar(c))
            return false;
    return true;
}

} // namespace

namespace HelpCard {

QString stripFirstTags(const QString &line)
{
    return removeSpan(removeSpan(line, u"<"), u"</");
}

QString findFile(const QString &dir, const QString &name)
{
    if (!isCardName(name))
        return {};
    const QString fileName = name + QStringLiteral(".txt");
    const QString exact = dir + u'/' + fileName;
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList files = QDir(dir).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString &file : files)
        if (file.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir + u'/' + file;
    return {};
}

QStringList rows(QByteArrayView bytes)
{
    const QStringList lines = EditorText::splitLines(Cp1251::decode(bytes));
    QStringList result;
    for (int i = 0; i < kRows; ++i)
        result.append(stripFirstTags(lines.value(i)));
    return result;
}

} // namespace HelpCard
