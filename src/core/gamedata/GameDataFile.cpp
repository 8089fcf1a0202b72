// Section reading of data.dat.
#include "gamedata/GameDataFile.h"

#include "text/Cp1251.h"
#include "text/EditorText.h"
#include "text/FileText.h"

namespace {

bool holdsLowerLatin(QStringView line)
{
    for (QChar c : line)
        if (c >= u'a' && c <= u'z')
            return true;
    return false;
}

} // namespace

namespace GameDataFile {

QStringList loadLines(const QString &path)
{
    return EditorText::splitLines(Cp1251::decode(loadFileToString(path)));
}

QString readSection(const QStringList &lines, const QString &header, bool weapons)
{
    QString text;
    bool found = false;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        if (found && line.startsWith(u'[') && (weapons || !holdsLowerLatin(line)))
            return text;
        if (found && !(weapons && line.startsWith(u' ')))
            text += line + QStringLiteral("\r\n");
        if (line == header)
            found = true;
    }
    if (text.size() >= 2 && text[text.size() - 2] == u'\r')
        text.chop(2);
    return text;
}

QStringList entries(const QString &sectionText)
{
    QStringList list = sectionText.split(QStringLiteral("\r\n"));
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    return list;
}

} // namespace GameDataFile

GameData GameData::fromLines(const QStringList &lines, const QString &suffix)
{
    using namespace GameDataFile;
    const auto header = [&](const char *name) { return u'[' + QLatin1String(name) + u' ' + suffix + u']'; };
    GameData data;
    data.commands = readSection(lines, header("COMMANDS"));
    data.commandItems = readSection(lines, header("CMDIL"));
    data.weapons = entries(readSection(lines, header("INFANTRY WEAPONS"), true));
    data.animations = entries(readSection(lines, header("ANIMATIONS")));
    // Two lists joined, so the last magazine and the first equipment never fuse into one line.
    data.magazines = entries(readSection(lines, header("INFANTRY MAGAZINES")))
                     + entries(readSection(lines, header("EQUIPMENT")));
    return data;
}
