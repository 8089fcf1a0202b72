// Building description.ext from the wizard's form, and the pools it offers.
#include "wizards/DescriptionExt.h"

#include "gamedata/DatParser.h"
#include "wizards/WizardFileNames.h"
#include "wizards/WizardText.h"

#include <algorithm>

using WizardText::kCrLf;

namespace {

QString classBlock(const QString &name, const QStringList &entries)
{
    QStringList lines{QStringLiteral("class ") + name, QStringLiteral("{")};
    for (const QString &entry : entries) {
        lines << QStringLiteral("\tclass ") + PoolEntry::className(entry) << QStringLiteral("\t{")
              << QStringLiteral("\t\tCount = ") + PoolEntry::count(entry) + u';' << QStringLiteral("\t};");
    }
    lines << QStringLiteral("};");
    return lines.join(kCrLf);
}

// CfgSounds lists its files as sounds[] and gives each a title line; CfgMusic as tracks[].
QString soundBlock(bool music, const QStringList &entries)
{
    const QString folder = music ? QStringLiteral("music") : QStringLiteral("sound");
    QStringList lines{music ? QStringLiteral("class CfgMusic") : QStringLiteral("class CfgSounds"),
                      QStringLiteral("{"),
                      (music ? QStringLiteral("\ttracks[] = {") : QStringLiteral("\tsounds[] = {"))
                          + entries.join(QStringLiteral(", ")) + QStringLiteral("};"),
                      QString()};
    for (const QString &entry : entries) {
        const QString name = WizardFileNames::oggClassName(entry);
        lines << QStringLiteral("\tclass ") + name << QStringLiteral("\t{")
              << QStringLiteral("\t\tname = \"") + name + QStringLiteral("\";")
              << QStringLiteral("\t\tsound[] = {\\%1\\%2, db + 0, 1.0};").arg(folder, entry);
        if (!music)
            lines << QStringLiteral("\t\ttitles[] = {0, \"\"};");
        lines << QStringLiteral("\t};");
    }
    lines << QStringLiteral("};");
    return lines.join(kCrLf);
}

} // namespace

QString buildDescriptionExt(const DescriptionExtForm &form)
{
    const bool weapons = form.weaponsOn;
    QString text = weapons && !form.weaponEntries.isEmpty() ? classBlock(QStringLiteral("Weapons"), form.weaponEntries)
                                                            : QString();
    const QString blocks[] = {
        weapons && !form.magazineEntries.isEmpty() ? classBlock(QStringLiteral("Magazines"), form.magazineEntries)
                                                   : QString(),
        form.soundsOn && !form.soundEntries.isEmpty() ? soundBlock(false, form.soundEntries) : QString(),
        form.musicOn && !form.musicEntries.isEmpty() ? soundBlock(true, form.musicEntries) : QString(),
        form.respawnOn ? QStringLiteral("Respawn = \"%1\";\r\nRespawnDelay = %2;")
                             .arg(form.respawnType, QString::number(form.respawnDelay))
                       : QString(),
    };
    // Once the text has begun, every later block position adds an empty line, empty or not.
    for (const QString &block : blocks) {
        if (text.size() >= 2)
            text += kCrLf + kCrLf;
        text += block;
    }
    return text;
}

namespace PoolEntry {

QString make(const QString &className, int count)
{
    return QStringLiteral("%1 (%2)").arg(className, QString::number(count));
}

QString className(const QString &entry)
{
    const qsizetype open = entry.indexOf(QLatin1String(" ("));
    return open < 0 ? entry : entry.left(open);
}

QString count(const QString &entry)
{
    const qsizetype open = entry.indexOf(QLatin1String(" ("));
    if (open < 0)
        return {};
    const qsizetype close = entry.indexOf(u')', open + 2);
    return entry.mid(open + 2, close < 0 ? -1 : close - open - 2);
}

bool hasTwin(const QStringList &entries, const QString &entry)
{
    const QString name = className(entry);
    return std::any_of(entries.begin(), entries.end(), [&name](const QString &listed) {
        return className(listed).compare(name, Qt::CaseInsensitive) == 0;
    });
}

bool isWeaponEquipment(const QString &item)
{
    return item == QLatin1String("Binocular") || item == QLatin1String("NVGoggles");
}

} // namespace PoolEntry

DescriptionPools descriptionPools(const DatParser &data)
{
    constexpr int kWeaponSections = 3, kEquipmentSection = 3;
    DescriptionPools pools;
    QStringList magazines;
    DatParams fields;
    for (int s = 0; s < kWeaponSections; ++s) {
        const DatSection &section = *data.sections[s];
        for (int i = 0; i < section.lines.size(); ++i) {
            pools.weapons << section.nameAt(i);
            section.params(i, fields);
            magazines << fields[1];
            // Only primary weapons bring a grenade launcher's magazine.
            if (s == 0 && fields.size() > 3)
                magazines << fields[3];
        }
    }
    magazines.removeDuplicates();
    pools.magazines = magazines;
    const DatSection &equipment = *data.sections[kEquipmentSection];
    for (int i = 0; i < equipment.lines.size(); ++i)
        pools.equipment << equipment.params(i).value(0);
    pools.equipment << QStringLiteral("Binocular") << QStringLiteral("NVGoggles");
    return pools;
}
