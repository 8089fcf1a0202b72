// Section reading of data.dat: where sections start and end, and what each reader keeps.
#include "AppError.h"
#include "gamedata/GameDataFile.h"
#include "text/FileText.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using GameDataFile::readSection;

namespace {
const QStringList kFile = {
    "[COMMANDS OFP] ", "x", // a trailing blank makes it another line
    "[COMMANDS OFP]", "hint", "", "[note] in the list", " blank-led", "addWeapon",
    "[CMDIL OFP]", "hint  hint \"text\"",
    "[INFANTRY WEAPONS OFP]", "M16", " M16", "AK47", "[lower case ends weapons]", "late",
    "[INFANTRY MAGAZINES OFP]", "M16", "AK47",
};
} // namespace

TEST(GameDataFile, SectionsEndAtAHeaderOrAtTheEnd)
{
    EXPECT_EQ(readSection(kFile, "[COMMANDS OFP]"),
              QString("hint\r\n[note] in the list\r\n blank-led\r\naddWeapon\r\n"));
    EXPECT_EQ(readSection(kFile, "[CMDIL OFP]"), QString("hint  hint \"text\"\r\n"));
    EXPECT_EQ(readSection(kFile, "[INFANTRY MAGAZINES OFP]"), QString("M16\r\nAK47"));
    EXPECT_EQ(readSection(kFile, "[COMMANDS ARMA]"), QString());
    EXPECT_EQ(readSection({"[A]"}, "[A]"), QString());
    // The weapons reader leaves out sub-entries and stops at any '[' line; the plain one does neither.
    EXPECT_EQ(readSection(kFile, "[INFANTRY WEAPONS OFP]", true), QString("M16\r\nAK47\r\n"));
    EXPECT_EQ(readSection(kFile, "[INFANTRY WEAPONS OFP]"),
              QString("M16\r\n M16\r\nAK47\r\n[lower case ends weapons]\r\nlate\r\n"));
    EXPECT_EQ(readSection(kFile, "[COMMANDS OFP]", true), QString("hint\r\n"));
}

TEST(GameDataFile, GameDataJoinsMagazinesAndEquipmentAsTwoLists)
{
    // Magazines last in the file: their final entry has no line break after it.
    const QStringList lines = {"[EQUIPMENT OFP]", "HandGrenade", "Mine", "[INFANTRY MAGAZINES OFP]", "M16", "AK47"};
    const GameData data = GameData::fromLines(lines, "OFP");
    EXPECT_EQ(data.magazines, QStringList({"M16", "AK47", "HandGrenade", "Mine"}));
    EXPECT_TRUE(data.weapons.isEmpty());
    EXPECT_TRUE(data.commands.isEmpty());
}

TEST(GameDataFile, LoadsWindows1251WithAnyLineBreaks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.dat");
    saveTextToFile("[MAN OFP]\r\n\xD1\xEE\xEB\xE4\xE0\xF2\nSoldierWB\rLast", path);
    EXPECT_EQ(GameDataFile::loadLines(path), QStringList({"[MAN OFP]", u"Солдат"_qs, "SoldierWB", "Last"}));
    EXPECT_THROW(GameDataFile::loadLines(dir.filePath("missing.dat")), AppError);
}

TEST(GameDataFile, RandomBytesNeitherCrashNorHang)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.dat");
    QRandomGenerator rng(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(rng.bounded(400)), Qt::Uninitialized);
        for (char &c : bytes)
            c = "[]\r\n OFPARMA az"[rng.bounded(15)];
        saveTextToFile(bytes, path);
        const GameData data = GameData::fromLines(GameDataFile::loadLines(path), "OFP");
        EXPECT_FALSE(data.commands.endsWith(QStringLiteral("\r\n\r\n")));
    }
}
