// The ini file, colour texts and shortcut codes.
#include "../TestUtil.h"
#include "settings/ColorText.h"
#include "settings/IniFile.h"
#include "settings/ShortcutCode.h"
#include "text/FileText.h"

#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

TEST(IniFile, WritesKeepUnknownSectionsKeysAndOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config.ini");
    saveTextToFile("; note\r\n[Other]\r\nzeta=1\r\nalpha=2\r\n\r\n[MRU List]\r\n1=C:\\a b.sqs\r\n", path);
    IniFile ini(path);
    ini.writeString("options", "showrow", "1");
    ini.writeString("Options", "wrap", "0");
    ini.writeString("other", "ALPHA", "3");
    ini.writeString("other", "new", "4");
    EXPECT_EQ(QString::fromUtf8(loadFileToString(path)),
              QString("; note\r\n[Other]\r\nzeta=1\r\nALPHA=3\r\nnew=4\r\n\r\n"
                      "[MRU List]\r\n1=C:\\a b.sqs\r\n[options]\r\nshowrow=1\r\nwrap=0\r\n"));
    EXPECT_EQ(ini.readString("mru list", "1", ""), QString("C:\\a b.sqs"));
    EXPECT_EQ(ini.readSectionKeys("OTHER"), QStringList({"zeta", "ALPHA", "new"}));
    ini.eraseSection("other");
    EXPECT_FALSE(ini.valueExists("Other", "zeta"));
    EXPECT_TRUE(ini.valueExists("options", "WRAP"));

    IniFile unwritable(dir.filePath("no/folder/config.ini"));
    EXPECT_EQ(thrown([&] { unwritable.writeBool("options", "wrap", true); }),
              "Unable to write to " + dir.filePath("no/folder/config.ini") + ". " + qt_error_string(ENOENT));
}

TEST(IniFile, NumbersAndDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config.ini");
    saveTextToFile("[o]\nd=42\nh=$1F\nx=0x4020\nneg=-7\nbad=12a\nempty=\nbig=99999999999\nffff=$FFFFFFFF\n", path);
    const IniFile ini(path);
    const std::pair<const char *, int> numbers[] = {{"d", 42},    {"h", 31},     {"x", 0x4020},   {"neg", -7},
                                                    {"bad", 5},   {"empty", 5},  {"big", 5},      {"ffff", -1},
                                                    {"missing", 5}};
    for (const auto &[key, value] : numbers)
        EXPECT_EQ(ini.readInteger("o", key, 5), value) << key;
    EXPECT_TRUE(ini.readBool("o", "bad", true));
    EXPECT_FALSE(ini.readBool("o", "bad", false));
    EXPECT_EQ(IniFile(dir.filePath("none.ini")).readString("o", "d", "def"), QString("def"));
}

TEST(ColorText, IdentifiersNumbersAndRefusals)
{
    EXPECT_EQ(stringToColor(u"clInfoBk"), Colors::clInfoBk);
    EXPECT_EQ(stringToColor(u"CLRED"), Colors::clRed);
    EXPECT_EQ(stringToColor(u"$00C0FFFF"), 0x00C0FFFF);
    EXPECT_EQ(stringToColor(u"-2147483640"), Colors::clWindowText);
    EXPECT_EQ(colorToString(0x00C0FFFF), QString("$00C0FFFF"));
    EXPECT_EQ(colorToString(Colors::clNone), QString("clNone"));
    EXPECT_EQ(colorToString(Colors::clWindowText), QString("clWindowText"));
    EXPECT_EQ(colorToString(0x808080), QString("clGray"));
    EXPECT_EQ(thrown([] { stringToColor(u"yellow"); }), QString("'yellow' is not a valid integer value"));
}

TEST(shortCut, CodesAndKeys)
{
    EXPECT_EQ(ShortcutCode::toKey(0x4020), QKeyCombination(Qt::ControlModifier, Qt::Key_Space));
    EXPECT_EQ(ShortcutCode::toKey(9), QKeyCombination(Qt::Key_Tab));
    EXPECT_EQ(ShortcutCode::toKey(0xE000 | 'K'),
              QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));
    EXPECT_EQ(ShortcutCode::toKey(0), QKeyCombination());
    for (int code : {9, 0x4020, 0x2000 | 0x70, 0x8000 | '5', 0xBD, 0x4000 | 0xDB})
        EXPECT_EQ(ShortcutCode::fromKey(ShortcutCode::toKey(code)), code) << code;
}
