// The readers of the game data: data.dat's sections, and the unit data files through DatParser,
// DatSection and the unit data check.
#include "../TestUtil.h"
#include "gamedata/DatParser.h"
#include "gamedata/GameDataFile.h"

using GameDataFile::readSection;

namespace {

const QStringList kDataDat = {
    "[COMMANDS OFP] ", "x", // a trailing blank makes it another line
    "[COMMANDS OFP]", "hint", "", "[note] in the list", " blank-led", "addWeapon",
    "[CMDIL OFP]", "hint  hint \"text\"",
    "[INFANTRY WEAPONS OFP]", "M16", " M16", "AK47", "[lower case ends weapons]", "late",
    "[INFANTRY MAGAZINES OFP]", "M16", "AK47",
};

QString fileError(const QString &path) { return u"Ошибка при работе с файлом "_qs + path + u'.'; }

} // namespace

TEST(GameDataFile, SectionsEndAtAHeaderOrAtTheEnd)
{
    EXPECT_EQ(readSection(kDataDat, "[COMMANDS OFP]"),
              QString("hint\r\n[note] in the list\r\n blank-led\r\naddWeapon\r\n"));
    EXPECT_EQ(readSection(kDataDat, "[CMDIL OFP]"), QString("hint  hint \"text\"\r\n"));
    EXPECT_EQ(readSection(kDataDat, "[INFANTRY MAGAZINES OFP]"), QString("M16\r\nAK47"));
    EXPECT_EQ(readSection(kDataDat, "[COMMANDS ARMA]"), QString());
    EXPECT_EQ(readSection({"[A]"}, "[A]"), QString());
    // The weapons reader leaves out sub-entries and stops at any '[' line; the plain one does neither.
    EXPECT_EQ(readSection(kDataDat, "[INFANTRY WEAPONS OFP]", true), QString("M16\r\nAK47\r\n"));
    EXPECT_EQ(readSection(kDataDat, "[INFANTRY WEAPONS OFP]"),
              QString("M16\r\n M16\r\nAK47\r\n[lower case ends weapons]\r\nlate\r\n"));
    EXPECT_EQ(readSection(kDataDat, "[COMMANDS OFP]", true), QString("hint\r\n"));
}

// Magazines last in the file: their final entry has no line break after it.
TEST(GameData, EquipmentJoinsTheMagazines)
{
    const GameData data = GameData::fromLines(
        {"[EQUIPMENT OFP]", "HandGrenade", "Mine", "[INFANTRY MAGAZINES OFP]", "M16", "AK47"}, "OFP");
    EXPECT_EQ(data.magazines, QStringList({"M16", "AK47", "HandGrenade", "Mine"}));
}

TEST(GameDataFile, LinesOfWindows1251SplitAtAnyBreak)
{
    const QString path = tempFile("data.dat", "[MAN OFP]\r\n\xD1\xEE\xEB\xE4\xE0\xF2\nSoldierWB\rLast");
    EXPECT_EQ(GameDataFile::loadLines(path), QStringList({"[MAN OFP]", u"Солдат"_qs, "SoldierWB", "Last"}));
    EXPECT_THROW(GameDataFile::loadLines(path + ".missing"), AppError);
}

TEST(DatParser, FieldsSplitAtCommas)
{
    const std::pair<QString, DatParams> fields[] = {
        {"a,,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"single", {"single"}},
        {"", {}},
        {",", {""}},
        {"a,,", {"a", ""}},
        {" a , b ", {" a ", " b "}},
        {"\"q,r\"", {"\"q", "r\""}},
        {QString(300, u'x') + u',' + QString(256, u'y') + ",z", {QString(255, u'x'), QString(255, u'y'), "z"}},
    };
    for (const auto &[text, expected] : fields) {
        DatParams got{QStringLiteral("stale")};
        splitParams(text, got);
        EXPECT_EQ(got, expected) << text.left(20).toStdString();
    }
}

TEST(DatParser, SectionNameLiesBetweenTheBrackets)
{
    const std::pair<QString, QString> names[] = {
        {"[PRIMARY]", "PRIMARY"},
        {"[PRIMARY] Syntax = A,B", "PRIMARY"},
        {"[]", ""},
        {"x]", "x"},
        {"]", ""},
        {"[open", ""},
        {"a]b[c]", ""},
        {"a[b]c", "b"},
        {"[a]b]", "a"},
        {"[[a]", "[a"},
        {"[ spaced ]", " spaced "},
        {u'[' + QString(300, u'n') + u']', QString(255, u'n')},
    };
    for (const auto &[line, name] : names)
        EXPECT_EQ(extractSectionName(line), name) << line.toStdString();
}

TEST(DatParser, SyntaxFollowsTheMarker)
{
    const std::pair<QString, QString> syntaxes[] = {
        {"[A] Syntax = X,Y", "X,Y"},
        {"[A]", ""},
        {"[A] Syntax=X", ""},
        {"[A] syntax = X", ""},
        {"[A] Syntax = ", ""},
        {"[A] Syntax = a Syntax = b", "a Syntax = b"},
        {"Syntax = before [A]", "before [A]"},
        // No limit on where the marker starts; only the description itself is cut.
        {u'[' + QString(400, u'h') + "] Syntax = " + QString(300, u's'), QString(255, u's')},
    };
    for (const auto &[line, syntax] : syntaxes)
        EXPECT_EQ(extractSyntax(line), syntax) << line.left(20).toStdString();
}

TEST(DatParser, LinesAreTrimmedWithBlankOnesDropped)
{
    QStringList lines{" a ", "", "\t\x01 b\x7f", "  ", "\r", "c"};
    trimAndPackLines(lines);
    EXPECT_EQ(lines, (QStringList{"a", "b\x7f", "c"})); // DEL is no padding: only codes up to the blank are
}

TEST(DatParser, SectionsFollowTheirHeaders)
{
    DatParser parser(tempFile("unit.dat", "comment before any header\r\nanother, with a comma\r\n"
                                          "[PRIMARY] Syntax = WEAPON,MAGAZINE,SIZE\r\n  M16,M16,1  \r\n\r\n\t\r\n"
                                          "AK74 , AK74 ,1,\r\n[]\r\n[SECONDARY]\nLAWLauncher\rempty]\r\n"
                                          "[PRIMARY]\r\ndup,1"));
    const QStringList expected = { // name | syntax | records
        "PRIMARY | WEAPON,MAGAZINE,SIZE | M16,M16,1 / AK74 , AK74 ,1, / []",
        "SECONDARY |  | LAWLauncher",
        "empty |  | ",
        "PRIMARY |  | dup,1", // names are not looked up: a repeated one is simply a later section
    };
    QStringList sections;
    for (const auto &section : parser.sections)
        sections << section->name + " | " + section->syntax + " | " + section->lines.join(" / ");
    EXPECT_EQ(sections, expected);
    ASSERT_EQ(parser.sections.size(), 4u);
    EXPECT_EQ(parser.sections[0]->params(-1), (DatParams{"WEAPON", "MAGAZINE", "SIZE"}));
    EXPECT_EQ(parser.sections[0]->params(1), (DatParams{"AK74 ", " AK74 ", "1"}));
    EXPECT_EQ(parser.sections[0]->nameAt(1), QStringLiteral("AK74 "));
    EXPECT_EQ(parser.sections[1]->nameAt(0), QStringLiteral("LAWLauncher"));
}

TEST(DatParser, Windows1251FileIsReadUpToANul)
{
    // "[ОРУЖИЕ]" and "Гранату,1" in Windows-1251, then a NUL after which nothing is read.
    static const char raw[] = "[\xCE\xD0\xD3\xC6\xC8\xC5]\r\n\xC3\xF0\xE0\xED\xE0\xF2\xF3,1\r\n"
                              "x,2\0[LOST]\r\ny,3\r\n";
    DatParser cyrillic(tempFile("unit.dat", QByteArray(raw, sizeof raw - 1)));
    ASSERT_EQ(cyrillic.sections.size(), 1u);
    EXPECT_EQ(cyrillic.sections[0]->name, QStringLiteral("ОРУЖИЕ"));
    EXPECT_EQ(cyrillic.sections[0]->lines, (QStringList{"Гранату,1", "x,2"}));
}

TEST(DatParser, LongRecordsAreKeptWholeWithTheirReadsCut)
{
    DatParser cut(tempFile("unit.dat", "[S]\r\n" + QByteArray(300, 'w') + ",m,1\r\n"));
    ASSERT_EQ(cut.sections.size(), 1u);
    EXPECT_EQ(cut.sections[0]->lines.value(0).size(), 304);
    EXPECT_EQ(cut.sections[0]->nameAt(0), QString(255, u'w'));
    EXPECT_EQ(DatSection(QString(256, u'd')).name.size(), 255);
}

TEST(DatParser, EmptyOrUnreadableFilesAreRefused)
{
    const QString empty = tempFile("empty.dat", ""), blank = tempFile("blank.dat", " \r\n\t\r\n\r\n   ");
    for (const QString &path : {empty, blank, empty + ".missing", QFileInfo(empty).path()})
        EXPECT_EQ(thrown([&] { DatParser unread(path); }), fileError(path));
    // Lines without any header are no error: they are comments, and there are no sections.
    EXPECT_TRUE(DatParser(tempFile("note.dat", "just a note\r\n")).sections.empty());
}

TEST(DatSection, IndexesOutsideTheRecordsThrow)
{
    DatParser indexes(tempFile("unit.dat", "[FIVE]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[NONE]\r\n"));
    ASSERT_EQ(indexes.sections.size(), 2u);
    const DatSection &five = *indexes.sections[0], &none = *indexes.sections[1];
    const QString head = QStringLiteral("Неверный индекс параметров.\r\nИндекс должен быть в пределах -1...");
    EXPECT_EQ(thrown([&] { five.params(5); }), head + u'4');
    EXPECT_EQ(thrown([&] { five.params(-2); }), head + u'4');
    EXPECT_EQ(thrown([&] { none.params(0); }), head + "-1");
    EXPECT_EQ(thrown([&] { five.params(4); }), QStringLiteral("<no error>"));
    EXPECT_TRUE(none.params(-1).isEmpty());
    for (const int index : {5, -1})
        EXPECT_EQ(thrown([&] { five.nameAt(index); }), QStringLiteral("List index out of bounds (%1)").arg(index));
}

// Sections past the fourth are not the wizards' business; fields past the ones read are notes,
// for weapons and equipment alike.
TEST(UnitDataCheck, PassesOnlyWhatTheWizardsCanRead)
{
    const QByteArray good = "[P]\r\nM16,M16,1\r\nM16GL,M16,1,GL,2\r\n[S]\r\nLAW,LAW,2\r\n[H]\r\n[E]\r\nHandGrenade,1\r\n";
    const std::tuple<const char *, QByteArray, const char *> files[] = {
        {"good", good, "<no error>"},
        {"five sections", good + "[MORE]\r\nanything at all\r\n", "<no error>"},
        {"notes", "[P]\r\nM16,M16,1,GL,2,note\r\n[S]\r\n[H]\r\n[E]\r\nMine,1,note,more\r\n", "<no error>"},
        {"three sections", "[P]\r\n[S]\r\n[H]\r\n", "refused"},
        {"slots not a number", "[P]\r\n[S]\r\nLAW,LAW,two\r\n[H]\r\n[E]\r\n", "refused"},
        {"negative slots", "[P]\r\n[S]\r\n[H]\r\nM9,M9,-1\r\n[E]\r\n", "refused"},
        {"slots with blank", "[P]\r\nM16,M16, 1\r\n[S]\r\n[H]\r\n[E]\r\n", "refused"},
        {"empty magazine", "[P]\r\nM16,,1\r\n[S]\r\n[H]\r\n[E]\r\n", "refused"},
        {"grenade without slots", "[P]\r\nM16GL,M16,1,GL\r\n[S]\r\n[H]\r\n[E]\r\n", "refused"},
        {"grenade slots not a number", "[P]\r\nM16GL,M16,1,GL,x\r\n[S]\r\n[H]\r\n[E]\r\n", "refused"},
        {"empty grenade", "[P]\r\nM16GL,M16,1,,2\r\n[S]\r\n[H]\r\n[E]\r\n", "refused"},
        {"equipment without slots", "[P]\r\n[S]\r\n[H]\r\n[E]\r\nHandGrenade\r\n", "refused"},
        {"equipment slots empty", "[P]\r\n[S]\r\n[H]\r\n[E]\r\n,1\r\nMine,\r\n", "refused"},
    };
    for (const auto &[name, bytes, verdict] : files) {
        const QString path = tempFile("unit.dat", bytes);
        const QString error = thrown([&] { checkUnitData(DatParser(path), path); });
        EXPECT_EQ(error == fileError(path) ? QStringLiteral("refused") : error, verdict) << name;
    }
}
