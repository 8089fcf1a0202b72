// The games under Wine: registry values, Windows paths, install detection and the game table.
#include "../TestUtil.h"
#include "system/GameInstall.h"
#include "system/GameTarget.h"
#include "system/WinePaths.h"
#include "system/WineRegistry.h"
#include "text/FileText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A system.reg as Wine writes it, with the forms a value takes and lines that continue.
const QByteArray kSystemReg = loadFileToString(QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/wine-system.reg"));

TEST(WineRegistry, ValuesLookedUpWithoutRegardToCase)
{
    using WineRegistry::ValueKind;
    const std::tuple<const char *, const char *, ValueKind, QString> cases[] = {
        {"Software\\Codemasters\\Flashpoint Resistance", "MAIN", ValueKind::String, u"C:\\Games\\OFP \"R\"я"_qs},
        {"SOFTWARE\\codemasters\\FLASHPOINT RESISTANCE", "main", ValueKind::String, u"C:\\Games\\OFP \"R\"я"_qs},
        {"Software\\Codemasters\\Flashpoint Resistance", "Extra", ValueKind::Missing, {}}, // a subkey's value
        {"Software\\Codemasters", "MAIN", ValueKind::Missing, {}},
        {"Software\\Numbers", "MAIN", ValueKind::Other, {}},
        {"Software\\Numbers", "Bin", ValueKind::Other, {}},
        {"Software\\Numbers", "Expand", ValueKind::String, u"%ProgramFiles%\\A"_qs},
        {"Software\\Numbers", "Multi", ValueKind::Other, {}},
        {"Software\\Numbers", "Hex", ValueKind::String, u"AB"_qs},
        {"Software\\Numbers", "@", ValueKind::String, u"default"_qs},
        {"Software\\Numbers", "", ValueKind::String, u"default"_qs},
        {"Software\\Numbers", "  03", ValueKind::Missing, {}}, // continuation lines are no values
    };
    for (const auto &[key, name, kind, text] : cases) {
        const WineRegistry::Value v = WineRegistry::readValue(kSystemReg, QString(key), QString(name));
        EXPECT_EQ(v.kind, kind) << key << " " << name;
        EXPECT_EQ(v.text, text) << key << " " << name;
    }
}

TEST(WineRegistry, BrokenFilesGiveNoWrongValue)
{
    for (qsizetype cut = 0; cut < kSystemReg.size(); ++cut) {
        const auto v = WineRegistry::readValue(kSystemReg.left(cut), u"Software\\Numbers", u"Hex");
        EXPECT_TRUE(v.kind != WineRegistry::ValueKind::String || v.text.size() <= 2) << cut;
    }
    QByteArray noise = kSystemReg;
    std::mt19937 rng(9);
    for (int round = 0; round < 200; ++round) { // random bytes in place of some of the file's
        noise[qsizetype(rng() % noise.size())] = char(rng());
        WineRegistry::readValue(noise, u"Software\\Numbers", u"Hex");
    }
    EXPECT_EQ(WineRegistry::readValue("[Software\\\\A\n\"MAIN\"=\"x\"", u"Software\\A", u"MAIN").kind,
              WineRegistry::ValueKind::Missing);
    EXPECT_EQ(WineRegistry::readValue("[A]\n\"MAIN\"=\"unterminated", u"A", u"MAIN").kind,
              WineRegistry::ValueKind::Other);
}

class WinePrefixFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *folder : {"drive_c/Games/OFP", "dosdevices", "other_d"})
            QDir(prefix()).mkpath(folder);
        QFile::link("../drive_c", prefix() + "/dosdevices/c:");
        QFile::link("../other_d", prefix() + "/dosdevices/d:");
    }
    QString prefix() const { return dir.path() + "/prefix"; }
    void put(const QString &name, const QByteArray &bytes = "x")
    {
        QDir().mkpath(QFileInfo(prefix() + '/' + name).path());
        saveTextToFile(bytes, prefix() + '/' + name);
    }
    void registry(const QByteArray &keys) { put("system.reg", "WINE REGISTRY Version 2\n\n" + keys); }
    QString real(const QString &name) const { return QFileInfo(prefix() + '/' + name).canonicalFilePath(); }
    QTemporaryDir dir;
};

TEST_F(WinePrefixFixture, WindowsPathsThroughTheDrivesWithoutRegardToCase)
{
    put("drive_c/Games/OFP/FlashpointResistance.EXE");
    put("other_d/ArmA/arma.exe");
    const std::pair<const char *, QString> cases[] = {
        {"C:\\games\\ofp\\flashpointresistance.exe", real("drive_c/Games/OFP/FlashpointResistance.EXE")},
        {"c:/Games//OFP/./FlashpointResistance.EXE", real("drive_c/Games/OFP/FlashpointResistance.EXE")},
        {"D:\\ARMA\\ARMA.EXE", real("other_d/ArmA/arma.exe")},
        {"C:\\Games\\OFP\\missing.exe", real("drive_c/Games/OFP") + "/missing.exe"},
        {"E:\\x.exe", prefix() + "/dosdevices/e:/x.exe"},
        {"\\\\server\\share", QString()},
        {"Games\\OFP", QString()},
        {"", QString()},
    };
    for (const auto &[windows, unix] : cases)
        EXPECT_EQ(WinePaths::toUnixPath(prefix(), QString(windows)), unix) << windows;
    QFile::remove(prefix() + "/dosdevices/c:"); // an old prefix: C: is drive_c
    EXPECT_EQ(WinePaths::toUnixPath(prefix(), u"C:\\Games"), real("drive_c/Games"));
}

TEST_F(WinePrefixFixture, DetectionFindsTheExecutableUnderEitherGamesMain)
{
    const QByteArray armaKey = "[Software\\\\Wow6432Node\\\\Bohemia Interactive Studio\\\\ArmA] 1\n";
    EXPECT_EQ(GameInstall::detectExecutable(Game::Ofp, prefix()), QString()); // no system.reg
    registry("[Software\\\\Codemasters\\\\Flashpoint Resistance] 1\n\"MAIN\"=\"C:\\\\Games\\\\OFP\"\n");
    EXPECT_EQ(GameInstall::detectExecutable(Game::Ofp, prefix()), QString()); // no executable
    put("drive_c/Games/OFP/FlashPointResistance.exe");
    EXPECT_EQ(GameInstall::detectExecutable(Game::Ofp, prefix()), real("drive_c/Games/OFP/FlashPointResistance.exe"));
    EXPECT_EQ(GameInstall::detectExecutable(Game::Arma, prefix()), QString());
    put("drive_c/arma.exe"); // an empty MAIN is no folder, not the root of the drive
    for (const QByteArray &main : {QByteArray("\"MAIN\"=\"\"\n"), QByteArray("\"MAIN\"=dword:1\n"), QByteArray()}) {
        registry(armaKey + main);
        EXPECT_EQ(GameInstall::detectExecutable(Game::Arma, prefix()), QString()) << main.constData();
    }
    put("other_d/BIS/ArmA/ArmA.exe");
    registry(armaKey + "\"MAIN\"=\"D:\\\\BIS\\\\ArmA\\\\\"\n");
    EXPECT_EQ(GameInstall::detectExecutable(Game::Arma, prefix()), real("other_d/BIS/ArmA/ArmA.exe"));
    const QByteArray before = loadFileToString(prefix() + "/system.reg");
    GameInstall::detectExecutable(Game::Ofp, prefix());
    EXPECT_EQ(loadFileToString(prefix() + "/system.reg"), before); // the prefix is only read
}

TEST_F(WinePrefixFixture, ClipboardFileOfEitherGameInAnyLetterCaseAndFolders)
{
    const GameLocations where{"/games/ofp/FlashpointResistance.exe", "/games/arma/arma.exe", prefix(), "anna"};
    EXPECT_EQ(GameTarget::forGame(Game::Ofp, {"C:\\OFP\\ofp.exe", "", prefix(), "anna"}).clipboardFile,
              QString("C:\\OFP\\clipboard.txt"));
    put("drive_c/Games/OFP/CLIPBOARD.TXT"); // found in any letter case, as ArmA's below
    EXPECT_EQ(GameTarget::forGame(Game::Ofp, {real("drive_c/Games/OFP") + "/ofp.exe", "", prefix(), "anna"}).clipboardFile,
              real("drive_c/Games/OFP/CLIPBOARD.TXT"));
    EXPECT_EQ(GameTarget::forGame(Game::Arma, where).clipboardFile,
              real("drive_c") + "/users/anna/AppData/Local/ArmA/clipboard.txt");
    for (const char *file : {"drive_c/users/anna/Local Settings/Application Data/ArmA/clipboard.txt",
                             "drive_c/users/anna/AppData/Local/ArmA/Clipboard.TXT"}) { // the newer folder's comes first
        put(file);
        EXPECT_EQ(GameTarget::forGame(Game::Arma, where).clipboardFile, real(file)) << file;
    }
    for (const auto &[path, folder] : {std::pair{"/a/b.exe", "/a/"}, {"C:\\a\\b.exe", "C:\\a\\"}, {"C:b.exe", "C:"},
                                       {"b.exe", ""}, {"", ""}})
        EXPECT_EQ(GameTarget::folderOf(QString(path)), QString(folder)) << path;
}
