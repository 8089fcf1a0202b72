// The command sets of the argument completion and the filter of a completion list.
#include "script/CompletionRules.h"

#include "script/CaretText.h"

#include <array>

namespace CompletionRules {

namespace {

const std::array<const char *, 5> kMagazineCommands = {"addmagazine", "addmagazinecargo", "addmagazinepool",
                                                       "removemagazine", "removemagazines"};
const std::array<const char *, 7> kWeaponCommands = {"addweapon",      "addweaponcargo", "addweaponpool",
                                                     "queryweaponpool", "removeweapon",  "hasweapon",
                                                     "selectweapon"};
const std::array<const char *, 4> kAnimationCommands = {"animate", "animationphase", "switchmove", "playmove"};

template <std::size_t N>
bool isOneOf(QStringView word, const std::array<const char *, N> &set)
{
    for (const char *entry : set)
        if (word.compare(QLatin1String(entry), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

ArgumentList argumentListOf(QStringView command)
{
    if (isOneOf(command, kMagazineCommands))
        return ArgumentList::Magazines;
    if (isOneOf(command, kWeaponCommands))
        return ArgumentList::Weapons;
    if (isOneOf(command, kAnimationCommands))
        return ArgumentList::Animations;
    return ArgumentList::None;
}

ArgumentList argumentListAt(const QString &line, qsizetype caret)
{
    QString rest = line;
    if (caret >= 1 && caret <= line.size())
        rest.remove(caret - 1, 1);
    if (rest.count(u'"') % 2 != 0)
        return ArgumentList::None;
    return argumentListOf(CaretText::previousWord(line, caret));
}

QList<int> matchingRows(const QStringList &keys, QStringView prefix)
{
    QList<int> rows;
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i].startsWith(prefix, Qt::CaseInsensitive))
            rows.append(i);
    return rows;
}

} // namespace CompletionRules
