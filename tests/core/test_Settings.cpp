// What the program keeps in config.ini: the ini file itself, the editor's settings, colour texts, shortcut codes, recent
// files, placement rectangles, the speed bar's catalogue and layout, and the file dialogs' filters.
#include "../TestUtil.h"
#include "settings/ColorText.h"
#include "settings/EditorSettings.h"
#include "settings/IniFile.h"
#include "settings/PlacementRect.h"
#include "settings/RecentFileList.h"
#include "settings/ShortcutCode.h"
#include "settings/SpeedBarCatalog.h"
#include "settings/SpeedBarLayout.h"
#include "text/FileFilters.h"
#include "text/FileText.h"

#include <cerrno>

TEST(IniFile, WritesKeepTheRestOfTheFile)
{
    const QString path = tempFile("config.ini", "; note\r\n[Other]\r\nzeta=1\r\nalpha=2\r\n\r\n[MRU List]\r\n1=C:\\a b.sqs\r\n");
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
}

TEST(IniFile, WriteToAMissingFolderThrows)
{
    IniFile unwritable(tempFile("config.ini", {}) + ".missing/config.ini");
    EXPECT_EQ(thrown([&] { unwritable.writeBool("options", "wrap", true); }),
              "Unable to write to " + unwritable.fileName() + ". " + qt_error_string(ENOENT));
}

TEST(IniFile, NumbersInThreeFormsOrTheDefault)
{
    const QString numbers = tempFile("config.ini", "[o]\nd=42\nh=$1F\nx=0x4020\nneg=-7\nbad=12a\nempty=\nbig=99999999999\nffff=$FFFFFFFF\n");
    const IniFile read(numbers);
    const std::pair<const char *, int> values[] = {
        {"d", 42},
        {"h", 31},
        {"x", 0x4020},
        {"neg", -7},
        {"bad", 5},
        {"empty", 5},
        {"big", 5},
        {"ffff", -1},
        {"missing", 5},
    };
    for (const auto &[key, value] : values)
        EXPECT_EQ(read.readInteger("o", key, 5), value) << key;
    EXPECT_TRUE(read.readBool("o", "bad", true));
    EXPECT_FALSE(read.readBool("o", "bad", false));
    EXPECT_EQ(IniFile(numbers + ".none").readString("o", "d", "def"), QString("def"));
}

// Any bytes as config.ini: every key listed can be read, and a write elsewhere keeps them all.
TEST(IniFile, RandomFilesKeepTheirKeysThroughAWrite)
{
    std::mt19937 rng(3);
    for (int round = 0; round < 300; ++round) {
        IniFile random(tempFile("config.ini", "[a]\r\n" + randomBytes(rng, 120, "[]=;\r\n a$x0-9c")));
        const QStringList keys = random.readSectionKeys("a");
        QStringList texts;
        for (const QString &key : keys) {
            ASSERT_TRUE(random.valueExists("a", key));
            texts << random.readString("a", key, "<none>");
        }
        random.writeString("b", "new", "v");
        ASSERT_EQ(random.readSectionKeys("a"), keys);
        for (qsizetype i = 0; i < keys.size(); ++i)
            ASSERT_EQ(random.readString("a", keys[i], "<none>"), texts[i]);
    }
}

// The live objects' values at a first start: the form's font, the highlighter's own colours.
EditorSettings firstStart()
{
    EditorSettings s;
    s.font = {"Courier New", 1, Colors::clWindowText, 11, 0};
    s.attributes = {{{Colors::clBlack, true, false}, {Colors::clTeal, true, false}, {Colors::clGreen, false, false},
                     {Colors::clMaroon, true, false}, {Colors::clNone, false, false}, {Colors::clNavy, false, false},
                     {Colors::clPurple, false, false}}};
    s.comment = {Colors::clGray, false, true};
    return s;
}

TEST(EditorSettingsFile, AFirstStartWritesEveryKeyInOrderAndAReadModifyWriteKeepsWhatItDoesNotOwn)
{
    IniFile ini(tempFile("config.ini", {}));
    SettingsFile::write(ini, firstStart());
    EXPECT_TRUE(matchesGolden(loadFileToString(ini.fileName()), "first-start-config.ini"));
    // Read back over other values, the file gives the same settings.
    EditorSettings other;
    other.comment = {};
    EXPECT_EQ(SettingsFile::read(ini, other, [](const AppError &) { FAIL(); }), firstStart());
    // Read, changed as a run changes it, written: the keys of others stay, unreadable values keep what
    // the live object held, and a missing comment key is left to the comment style.
    IniFile kept(tempFile("kept.ini", loadFileToString(goldenPath("settings-kept.ini"))));
    QStringList errors;
    EditorSettings current = firstStart();
    current.comment = {};
    EditorSettings s = SettingsFile::read(kept, current, [&](const AppError &e) { errors << e.message(); });
    // The values read show in the file written below; the bad colour keeps the window's.
    EXPECT_EQ(errors, QStringList("'yellow' is not a valid integer value"));
    EXPECT_EQ(s.game, Game::Arma);
    EXPECT_EQ(s.comment, (CommentKeys{std::nullopt, true, std::nullopt}));
    EXPECT_EQ(s.comment.lookFor(false, Colors::clNone), (TextLook{Colors::clNone, true, false}));
    EXPECT_EQ(s.comment.lookFor(true, Colors::clGray), (TextLook{Colors::clGray, true, true}));
    s.game = Game::Ofp;
    s.bigSpeedButtons = false;
    s.armaExePath = "/games/arma/arma.exe";
    s.comment = {Colors::clGreen, true, false};
    SettingsFile::write(kept, s);
    EXPECT_TRUE(matchesGolden(loadFileToString(kept.fileName()), "settings-kept-rewritten.ini"));
}

TEST(ColorText, NamesOrNumbersBothWays)
{
    EXPECT_EQ(stringToColor(u"CLRED"), Colors::clRed);
    EXPECT_EQ(stringToColor(u"$00C0FFFF"), 0x00C0FFFF);
    EXPECT_EQ(stringToColor(u"-2147483640"), Colors::clWindowText);
    EXPECT_EQ(colorToString(0x00C0FFFF), QString("$00C0FFFF"));
    EXPECT_EQ(colorToString(Colors::clNone), QString("clNone"));
    EXPECT_EQ(colorToString(0x808080), QString("clGray"));
}

TEST(ShortcutCode, CodesOfKeyCombinationsBothWays)
{
    EXPECT_EQ(ShortcutCode::toKey(9), QKeyCombination(Qt::Key_Tab));
    EXPECT_EQ(ShortcutCode::toKey(0xE000 | 'K'),
              QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));
    EXPECT_EQ(ShortcutCode::toKey(0), QKeyCombination());
    for (int code : {9, 0x4020, 0x2000 | 0x70, 0x8000 | '5', 0xBD, 0x4000 | 0xDB})
        EXPECT_EQ(ShortcutCode::fromKey(ShortcutCode::toKey(code)), code) << code;
}

TEST(PlacementRect, TextHoldsLeftTopRightBottom)
{
    EXPECT_EQ(PlacementRect::fromText(" -5, 0,100 ,50"), QRect(QPoint(-5, 0), QPoint(99, 49)));
    for (const char *bad : {"", "1,2,3", "1,2,3,4,5", "a,2,3,4", "10,10,10,20", "10,10,20,5"})
        EXPECT_FALSE(PlacementRect::fromText(bad).has_value()) << bad;
}

TEST(FileFilters, PairsBecomeQtNameFilters)
{
    EXPECT_EQ(FileFilters::toQtNameFilters("SQS|*.sqs|Все файлы|*.*"), QStringList({"SQS (*.sqs)", "Все файлы (*)"}));
    EXPECT_EQ(FileFilters::toQtNameFilters(
                  "Briefing/Overview (*.html; *.htm)|*.html; *.htm|С++  (*.cpp; *.h; *.c)|*.cpp; *.h; *.c"),
              QStringList({"Briefing/Overview (*.html *.htm)", "С++ (*.cpp *.h *.c)"}));
    EXPECT_EQ(FileFilters::toQtNameFilters("Свое расширение (*.*)|*.*"), QStringList({"Свое расширение (*)"}));
    EXPECT_EQ(FileFilters::toQtNameFilters("odd|"), QStringList({"odd ()"}));
}

TEST(RecentFileList, NewestFirstWithoutTwinsStoredUnderNumbers)
{
    RecentFileList list;
    list.setMaxFiles(3);
    for (const char *name : {"a", "b", "c", "d"})
        list.add(name);
    EXPECT_EQ(list.files(), QStringList({"d", "c", "b"}));
    EXPECT_FALSE(list.add("d")); // on top already
    EXPECT_TRUE(list.add("b"));
    EXPECT_EQ(list.files(), QStringList({"b", "d", "c"}));
    EXPECT_TRUE(list.add("B")); // another file on Linux
    EXPECT_EQ(list.files(), QStringList({"B", "b", "d"}));
    list.moveToTop(2);
    list.removeAt(1);
    list.removeAt(7); // outside: nothing
    EXPECT_EQ(list.files(), QStringList({"d", "b"}));
    list.setMaxFiles(1);
    EXPECT_EQ(list.files(), QStringList({"d"}));
    list.setMaxFiles(20);
    EXPECT_EQ(list.maxFiles(), 8);
    // Read up to the first gap; a save clears the stale keys after its own.
    IniFile ini(tempFile("config.ini", "[MRU List]\r\n1=/m/a.sqs\r\n2=/m/b.sqf\r\n4=/m/d.sqs\r\n"));
    list.load(ini);
    EXPECT_EQ(list.files(), QStringList({"/m/a.sqs", "/m/b.sqf"}));
    list.add("/m/c.sqs");
    list.save(ini);
    EXPECT_EQ(ini.readString("MRU List", "1", ""), QString("/m/c.sqs"));
    EXPECT_EQ(ini.readString("MRU List", "4", "?"), QString());
}

TEST(SpeedBarLayout, PlacingMovingRemovingWrittenReadBackAndMadeWholeLikeAnOlderLayout)
{
    SpeedBarLayout layout{{"btnNew", "btnOpen", "btnSave"}, {"SNE", "btnCopy"}};
    layout.place("SNE", 1);
    EXPECT_EQ(layout.placed, QStringList({"btnNew", "SNE", "btnOpen", "btnSave"}));
    EXPECT_EQ(layout.hidden, QStringList({"btnCopy"}));
    layout.place("btnNew", 3); // moved right: before btnSave
    EXPECT_EQ(layout.placed, QStringList({"SNE", "btnOpen", "btnNew", "btnSave"}));
    layout.place("btnSave", -5);
    layout.place("btnCopy", 99);
    EXPECT_EQ(layout.placed, QStringList({"btnSave", "SNE", "btnOpen", "btnNew", "btnCopy"}));
    layout.place("Retired", 0); // unknown: nothing
    layout.remove("btnNew");
    layout.remove("SNE");
    layout.remove("btnNew"); // not on the bar: nothing
    EXPECT_EQ(layout.placed, QStringList({"btnSave", "btnOpen", "btnCopy"}));
    EXPECT_EQ(layout.hidden, QStringList({"btnNew", "SNE"})); // in the catalogue's order
    EXPECT_TRUE(layout.startsGroup(2));
    EXPECT_FALSE(layout.startsGroup(1));
    IniFile ini(tempFile("config.ini", {}));
    const QString section = QStringLiteral("position\\TForm1ToolBar1");
    SpeedBarLayout back;
    EXPECT_FALSE(SpeedBarLayout::read(ini, section, &back));
    // As an older version saved it: a name no longer known, a repeat, and btnOpen, btnSave ... not
    // named at all (they did not exist yet), so they come back as they first come, each after its
    // neighbour in the catalogue.
    const SpeedBarLayout stored{{"RunBTN", "Retired", "btnNew", "SNE", "btnNew"}, {"btnCopy"}};
    stored.write(ini, section, 300, 96, 28);
    ASSERT_TRUE(SpeedBarLayout::read(ini, section, &back));
    EXPECT_EQ(back, stored);
    EXPECT_EQ(ini.readInteger(section, "BtnWidth", 0), 28);
    layout = SpeedBarLayout::fromStored(back);
    EXPECT_EQ(layout.placed.mid(0, 6), QStringList({"RunBTN", "btnNew", "btnOpen", "btnSave", "SNE", "btnCut"}));
    for (const char *absent : {"btnCopy", "SpeedItem1", "Retired"})
        EXPECT_FALSE(layout.placed.contains(absent)) << absent;
    EXPECT_EQ(layout.placed.size() + layout.hidden.size(), 24);
    EXPECT_EQ(SpeedBarLayout::fromStored(SpeedBarLayout::defaults()), SpeedBarLayout::defaults());
}

