// description.ext text, its pool entries and pools, and the wizards' file-name rules.
#include "../TestUtil.h"
#include "gamedata/DatParser.h"
#include "wizards/DescriptionExt.h"
#include "wizards/WizardFileNames.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString crlf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

DescriptionExtForm respawnForm(const QString &type)
{
    DescriptionExtForm form;
    form.respawnOn = true;
    form.respawnType = type;
    return form;
}

} // namespace

TEST(DescriptionExt, GoldenTexts)
{
    DescriptionExtForm binocular = respawnForm(QStringLiteral("BASE"));
    binocular.weaponsOn = true;
    binocular.weaponEntries = {QStringLiteral("Binocular (1)")};
    binocular.soundEntries = {QStringLiteral("alarm.ogg")}; // its group is off

    DescriptionExtForm weaponsOnly;
    weaponsOnly.weaponsOn = true;
    weaponsOnly.weaponEntries = {QStringLiteral("AK74 (3)")};

    DescriptionExtForm sounds;
    sounds.soundsOn = true;
    sounds.soundEntries = {QStringLiteral("alarm.ogg"), QStringLiteral("siren.ogg")};

    DescriptionExtForm music;
    music.musicOn = true;
    music.musicEntries = {QStringLiteral("Theme.OGG")};

    DescriptionExtForm emptyLists = respawnForm(QStringLiteral("NONE"));
    emptyLists.weaponsOn = true;

    DescriptionExtForm unchecked;
    unchecked.weaponEntries = {QStringLiteral("M16 (1)")};
    unchecked.soundEntries = {QStringLiteral("a.ogg")};

    DescriptionExtForm mags;
    mags.weaponsOn = true;
    mags.magazineEntries = {QStringLiteral("M16 (10)"), QStringLiteral("HandGrenade (2)")};

    const QString respawnBase = QStringLiteral("Respawn = \"BASE\";\r\nRespawnDelay = 15;");
    const struct
    {
        const char *name;
        DescriptionExtForm form;
        QString text;
    } cases[] = {
        {"binocular and respawn",
         binocular,
         crlf({"class Weapons", "{", "\tclass Binocular", "\t{", "\t\tCount = 1;", "\t};", "};", "", "", "", "", "", "",
               "", "Respawn = \"BASE\";", "RespawnDelay = 15;"})},
        {"respawn only", respawnForm(QStringLiteral("NONE")), "Respawn = \"NONE\";\r\nRespawnDelay = 15;"},
        {"weapons only",
         weaponsOnly,
         crlf({"class Weapons", "{", "\tclass AK74", "\t{", "\t\tCount = 3;", "\t};", "};", "", "", "", "", "", "", "",
               ""})},
        {"sounds",
         sounds,
         crlf({"class CfgSounds", "{", "\tsounds[] = {alarm.ogg, siren.ogg};", "", "\tclass alarm", "\t{",
               "\t\tname = \"alarm\";", "\t\tsound[] = {\\sound\\alarm.ogg, db + 0, 1.0};", "\t\ttitles[] = {0, \"\"};",
               "\t};", "\tclass siren", "\t{", "\t\tname = \"siren\";",
               "\t\tsound[] = {\\sound\\siren.ogg, db + 0, 1.0};", "\t\ttitles[] = {0, \"\"};", "\t};", "};", "", "", "",
               ""})},
        {"music",
         music,
         crlf({"class CfgMusic", "{", "\ttracks[] = {Theme.OGG};", "", "\tclass Theme", "\t{", "\t\tname = \"Theme\";",
               "\t\tsound[] = {\\music\\Theme.OGG, db + 0, 1.0};", "\t};", "};", "", ""})},
        {"empty lists add no lines", emptyLists, "Respawn = \"NONE\";\r\nRespawnDelay = 15;"},
        {"unchecked groups", unchecked, ""},
        {"magazines only",
         mags,
         crlf({"class Magazines", "{", "\tclass M16", "\t{", "\t\tCount = 10;", "\t};", "\tclass HandGrenade", "\t{",
               "\t\tCount = 2;", "\t};", "};", "", "", "", "", "", ""})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(buildDescriptionExt(c.form), c.text) << c.name;
    EXPECT_EQ(buildDescriptionExt(binocular).count(QStringLiteral("\r\n")), 15);
    EXPECT_TRUE(buildDescriptionExt(binocular).endsWith(respawnBase));
}

TEST(DescriptionExt, PoolEntries)
{
    EXPECT_EQ(PoolEntry::make(QStringLiteral("M16"), 12), QStringLiteral("M16 (12)"));
    EXPECT_EQ(PoolEntry::className(QStringLiteral("M16 (12)")), QStringLiteral("M16"));
    EXPECT_EQ(PoolEntry::count(QStringLiteral("M16 (12)")), QStringLiteral("12"));

    const QStringList listed{QStringLiteral("M16 (1)"), QStringLiteral("AK74 (2)")};
    const std::pair<const char *, bool> twins[] = {
        {"M16 (5)", true}, {"m16 (1)", true}, {"AK74 (1)", true}, {"M16S (1)", false}, {"AK (1)", false}};
    for (const auto &[entry, twin] : twins)
        EXPECT_EQ(PoolEntry::hasTwin(listed, QString::fromLatin1(entry)), twin) << entry;

    EXPECT_TRUE(PoolEntry::isWeaponEquipment(QStringLiteral("Binocular")));
    EXPECT_TRUE(PoolEntry::isWeaponEquipment(QStringLiteral("NVGoggles")));
    EXPECT_FALSE(PoolEntry::isWeaponEquipment(QStringLiteral("binocular")));
    EXPECT_FALSE(PoolEntry::isWeaponEquipment(QStringLiteral("Medkit")));
}

TEST(DescriptionExt, PoolsFollowTheSectionsAndOfferEachMagazineOnce)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("unit.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PRIMARY]\r\nM16,M16,1,Mortar,2\r\nAK74,AK74,1\r\nM16S,M16,1\r\n"
               "[SECONDARY]\r\nLAW,LAWLauncher,4,Mortar,2\r\n[HANDGUN]\r\nGlock,GlockMag,1\r\nGlock,GlockMag,1\r\n"
               "[EQUIPMENT]\r\nMedkit,1\r\nMine,2\r\nMedkit,1\r\n");
    file.close();
    const DatParser data(file.fileName());
    const DescriptionPools pools = descriptionPools(data);
    EXPECT_EQ(pools.weapons, QStringList({"M16", "AK74", "M16S", "LAW", "Glock", "Glock"}));
    // A secondary weapon's fourth field is no magazine of ours.
    EXPECT_EQ(pools.magazines, QStringList({"M16", "Mortar", "AK74", "LAWLauncher", "GlockMag"}));
    EXPECT_EQ(pools.equipment, QStringList({"Medkit", "Mine", "Medkit", "Binocular", "NVGoggles"}));
}

TEST(WizardFileNames, SoundFileNames)
{
    // What the field keeps of a chosen or typed name, the list entry and its class.
    const struct
    {
        const char *typed, *field, *entry, *className;
    } cases[] = {
        {"C:\\a b\\x.ogg", "x.ogg", "x.ogg", "x"},
        {"/home/u/x.ogg", "x.ogg", "x.ogg", "x"},
        {"alarm", "alarm", "alarm.ogg", "alarm"},
        {"Alarm.OGG", "Alarm.OGG", "Alarm.OGG", "Alarm"},
        {"\"D:\\snd\\siren.ogg\"", "siren.ogg", "siren.ogg", "siren"},
        {"a:b.ogg", "b.ogg", "b.ogg", "b"},
        {"my.ogg.bak", "my.ogg.bak", "my.ogg.bak", "my.bak"},
        {"\"a\"b\"c", "ab\"c", "ab\"c.ogg", "ab\"c"},
    };
    for (const auto &c : cases) {
        const QString field = WizardFileNames::bareFileName(WizardFileNames::withoutQuotePair(QString::fromUtf8(c.typed)));
        EXPECT_EQ(field, QString::fromUtf8(c.field)) << c.typed;
        EXPECT_EQ(WizardFileNames::oggEntry(field), QString::fromUtf8(c.entry)) << c.typed;
        EXPECT_EQ(WizardFileNames::oggClassName(WizardFileNames::oggEntry(field)), QString::fromUtf8(c.className))
            << c.typed;
    }
}

TEST(WizardFileNames, ClassNamesExtensionsAndDefaults)
{
    const std::pair<QString, bool> classNames[] = {
        {"alarm", true},  {"Alarm_2", true}, {"6G30", true},  {"", false},
        {"my sound", false}, {"abc\"", false}, {"my.bak", false}, {u"тревога"_qs, false},
    };
    for (const auto &[name, valid] : classNames)
        EXPECT_EQ(WizardFileNames::isClassName(name), valid) << name.toStdString();

    const std::pair<const char *, bool> pictures[] = {
        {"PIC.JPG", true}, {"map.jpg.bak", true}, {"tex.paa", true}, {"tex.PAC", true},
        {"photo.jpeg", false}, {"pic.png", false}, {"jpg", false},
    };
    for (const auto &[name, accepted] : pictures)
        EXPECT_EQ(WizardFileNames::hasPictureExtension(QString::fromLatin1(name)), accepted) << name;

    const std::tuple<const char *, const char *, const char *> defaults[] = {
        {"/m/briefing", ".html", "/m/briefing.html"},
        {"/m/briefing.htm", ".html", "/m/briefing.htm"},
        {"/my.dir/table", ".csv", "/my.dir/table.csv"},
        {"C:\\my.dir\\table", ".csv", "C:\\my.dir\\table.csv"},
    };
    for (const auto &[path, extension, expected] : defaults)
        EXPECT_EQ(WizardFileNames::withDefaultExtension(QString::fromLatin1(path), QString::fromLatin1(extension)),
                  QString::fromLatin1(expected));
}
