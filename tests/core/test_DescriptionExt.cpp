// description.ext text, its pool entries and pools, and the wizards' file-name rules.
#include "../TestUtil.h"
#include "gamedata/DatParser.h"
#include "wizards/DescriptionExt.h"
#include "wizards/WizardFileNames.h"

// Each group alone and two together; a group's entries count only while it is checked.
TEST(DescriptionExt, MatchesTheGoldenTexts)
{
    using Form = DescriptionExtForm;
    const std::pair<const char *, void (*)(Form &)> cases[] = {
        {"binocular-respawn",
         [](Form &f) {
             f.respawnOn = f.weaponsOn = true, f.respawnType = "BASE", f.weaponEntries = {"Binocular (1)"};
             f.soundEntries = {"alarm.ogg"}; // its group is off
         }},
        {"respawn", [](Form &f) { f.respawnOn = true; }},
        {"respawn", [](Form &f) { f.respawnOn = f.weaponsOn = true; }}, // empty lists add no lines
        {"weapons", [](Form &f) { f.weaponsOn = true, f.weaponEntries = {"AK74 (3)"}; }},
        {"magazines", [](Form &f) { f.weaponsOn = true, f.magazineEntries = {"M16 (10)", "HandGrenade (2)"}; }},
        {"sounds", [](Form &f) { f.soundsOn = true, f.soundEntries = {"alarm.ogg", "siren.ogg"}; }},
        {"music", [](Form &f) { f.musicOn = true, f.musicEntries = {"Theme.OGG"}; }},
        {"none", [](Form &f) { f.weaponEntries = {"M16 (1)"}, f.soundEntries = {"a.ogg"}; }},
    };
    for (const auto &[name, edit] : cases) {
        Form form;
        edit(form);
        EXPECT_TRUE(matchesGolden(buildDescriptionExt(form).toUtf8(), QStringLiteral("description-%1.ext").arg(name)));
    }
}

// An entry's twin is one of the same class in any letter case, whatever its count.
TEST(PoolEntry, TwinIsTheSameClass)
{
    const QStringList listed{QStringLiteral("M16 (1)"), QStringLiteral("AK74 (2)")};
    const std::pair<const char *, bool> twins[] = {
        {"m16 (1)", true},
        {"AK74 (1)", true},
        {"M16S (1)", false},
        {"AK (1)", false},
    };
    for (const auto &[entry, twin] : twins)
        EXPECT_EQ(PoolEntry::hasTwin(listed, QString::fromLatin1(entry)), twin) << entry;
}

TEST(PoolEntry, WeaponEquipmentByItsExactName)
{
    EXPECT_TRUE(PoolEntry::isWeaponEquipment("NVGoggles"));
    EXPECT_FALSE(PoolEntry::isWeaponEquipment("binocular"));
}

// The pools follow the unit data's sections, each magazine offered once.
TEST(DescriptionExt, PoolsFollowTheSections)
{
    const DescriptionPools pools = descriptionPools(DatParser(tempFile(
        "unit.dat", "[PRIMARY]\r\nM16,M16,1,Mortar,2\r\nAK74,AK74,1\r\nM16S,M16,1\r\n[SECONDARY]\r\nLAW,LAWLauncher,4,Mortar,2\r\n"
                    "[HANDGUN]\r\nGlock,GlockMag,1\r\nGlock,GlockMag,1\r\n[EQUIPMENT]\r\nMedkit,1\r\nMine,2\r\nMedkit,1\r\n")));
    EXPECT_EQ(pools.weapons, QStringList({"M16", "AK74", "M16S", "LAW", "Glock", "Glock"}));
    // A secondary weapon's fourth field is no magazine of ours.
    EXPECT_EQ(pools.magazines, QStringList({"M16", "Mortar", "AK74", "LAWLauncher", "GlockMag"}));
    EXPECT_EQ(pools.equipment, QStringList({"Medkit", "Mine", "Medkit", "Binocular", "NVGoggles"}));
}

TEST(WizardFileNames, SoundFileNamesClassNamesExtensionsAndDefaults)
{
    // What the field keeps of a chosen or typed name, the list entry and its class.
    const std::array<const char *, 4> cases[] = {
        {"C:\\a b\\x.ogg", "x.ogg", "x.ogg", "x"},
        {"\"D:\\snd\\siren.ogg\"", "siren.ogg", "siren.ogg", "siren"},
        {"a:b.ogg", "b.ogg", "b.ogg", "b"},
        {"my.ogg.bak", "my.ogg.bak", "my.ogg.bak", "my.bak"},
        {"\"a\"b\"c", "ab\"c", "ab\"c.ogg", "ab\"c"},
    };
    for (const auto &[typed, bare, entry, className] : cases) {
        const QString field = WizardFileNames::bareFileName(WizardFileNames::withoutQuotePair(typed));
        EXPECT_EQ(field, QString(bare)) << typed;
        EXPECT_EQ(WizardFileNames::oggEntry(field), QString(entry)) << typed;
        EXPECT_EQ(WizardFileNames::oggClassName(WizardFileNames::oggEntry(field)), QString(className)) << typed;
    }
    const std::pair<QString, bool> classNames[] = {{"alarm", true}, {"Alarm_2", true}, {"6G30", true}, {"", false},
        {"my sound", false}, {"abc\"", false}, {"my.bak", false}, {u"тревога"_qs, false}};
    for (const auto &[name, valid] : classNames)
        EXPECT_EQ(WizardFileNames::isClassName(name), valid) << name.toStdString();
    const std::pair<const char *, bool> pictures[] = {{"PIC.JPG", true}, {"map.jpg.bak", true}, {"tex.paa", true},
        {"tex.PAC", true}, {"photo.jpeg", false}, {"pic.png", false}, {"jpg", false}};
    for (const auto &[name, accepted] : pictures)
        EXPECT_EQ(WizardFileNames::hasPictureExtension(QString::fromLatin1(name)), accepted) << name;
    const std::tuple<const char *, const char *, const char *> defaults[] = {
        {"/m/briefing", ".html", "/m/briefing.html"}, {"/m/briefing.htm", ".html", "/m/briefing.htm"},
        {"/my.dir/table", ".csv", "/my.dir/table.csv"}, {"C:\\my.dir\\table", ".csv", "C:\\my.dir\\table.csv"}};
    for (const auto &[path, extension, expected] : defaults)
        EXPECT_EQ(WizardFileNames::withDefaultExtension(QString::fromLatin1(path), QString::fromLatin1(extension)),
                  QString::fromLatin1(expected));
}

