// TDatParser, TSection and the unit data check, on files written to a temporary folder.
#include "AppError.h"
#include "gamedata/uDatParser.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

const QString FileErrorPrefix = QStringLiteral("Ошибка при работе с файлом ");

class DatParserTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("unit.dat"))
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

template<class F>
QString thrown(F f)
{
    try {
        f();
    } catch (const AppError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

QString openError(const QString &path)
{
    return thrown([&] { TDatParser parser(path); });
}

TParams params(std::initializer_list<const char *> fields)
{
    TParams p;
    for (const char *f : fields)
        p << QString::fromUtf8(f);
    return p;
}

} // namespace

TEST(DatParserSplit, FieldRules)
{
    struct Case { QString text; TParams expected; };
    const Case cases[] = {
        {"a,,b", params({"a", "", "b"})},
        {"a,b,", params({"a", "b"})},
        {",a", params({"", "a"})},
        {"", TParams()},
        {",", params({""})},
        {",,", params({"", ""})},
        {"a,,", params({"a", ""})},
        {" a , b ", params({" a ", " b "})},
        {"single", params({"single"})},
        {"\"q,r\"", params({"\"q", "r\""})},
    };
    for (const Case &c : cases) {
        TParams got{QStringLiteral("stale")};
        SplitParams(c.text, got);
        EXPECT_EQ(got, c.expected) << c.text.toStdString();
    }
}

TEST(DatParserSplit, FieldsAreCutTo255)
{
    TParams got;
    SplitParams(QString(300, u'x') + u',' + QString(256, u'y') + QStringLiteral(",z"), got);
    ASSERT_EQ(got.size(), 3);
    EXPECT_EQ(got[0], QString(255, u'x'));
    EXPECT_EQ(got[1], QString(255, u'y'));
    EXPECT_EQ(got[2], QStringLiteral("z"));
}

TEST(DatParserHeader, SectionNames)
{
    const std::pair<QString, QString> cases[] = {
        {"[PRIMARY]", "PRIMARY"},
        {"[PRIMARY] Syntax = A,B", "PRIMARY"},
        {"[]", ""},
        {"x]", "x"},
        {"some text]", "some text"},
        {"]", ""},
        {"[", ""},
        {"[open", ""},
        {"]x[", ""},
        {"a]b[c]", ""},
        {"a[b]c", "b"},
        {"[a]b]", "a"},
        {"[[a]", "[a"},
        {"[ spaced ]", " spaced "},
    };
    for (const auto &[line, name] : cases)
        EXPECT_EQ(ExtractSectionName(line), name) << line.toStdString();

    EXPECT_EQ(ExtractSectionName(u'[' + QString(300, u'n') + u']'), QString(255, u'n'));
}

TEST(DatParserHeader, SyntaxDescriptions)
{
    const std::pair<QString, QString> cases[] = {
        {"[A] Syntax = X,Y", "X,Y"},
        {"[A]", ""},
        {"[A] Syntax=X", ""},
        {"[A] syntax = X", ""},
        {"[A] Syntax = ", ""},
        {"[A] Syntax = a Syntax = b", "a Syntax = b"},
        {"Syntax = before [A]", "before [A]"},
    };
    for (const auto &[line, syntax] : cases)
        EXPECT_EQ(ExtractSyntax(line), syntax) << line.toStdString();

    // No limit on where the marker starts; only the description itself is cut.
    const QString far = u'[' + QString(400, u'h') + QStringLiteral("] Syntax = ") + QString(300, u's');
    EXPECT_EQ(ExtractSyntax(far), QString(255, u's'));
}

TEST(DatParserHeader, TrimAndPackDropsBlankLines)
{
    QStringList lines{" a ", "", "\t\x01 b\x7f", "  ", "\r", "c"};
    TrimAndPackLines(lines);
    // DEL (0x7f) is no control character of the trimming: only codes up to the blank are.
    EXPECT_EQ(lines, (QStringList{"a", "b\x7f", "c"}));
}

TEST_F(DatParserTest, ReadsSectionsRecordsAndSyntax)
{
    const QString path = write("comment before any header\r\n"
                               "another, with a comma\r\n"
                               "[PRIMARY] Syntax = WEAPON,MAGAZINE,SIZE\r\n"
                               "  M16,M16,1  \r\n"
                               "\r\n"
                               "\t\r\n"
                               "AK74 , AK74 ,1,\r\n"
                               "[]\r\n"
                               "[SECONDARY]\n"
                               "LAWLauncher\r"
                               "empty]\r\n"
                               "[PRIMARY]\r\n"
                               "dup,1");
    TDatParser parser(path);
    ASSERT_EQ(parser.Sections.size(), 4u);

    const TSection &primary = *parser.Sections[0];
    EXPECT_EQ(primary.Name, QStringLiteral("PRIMARY"));
    EXPECT_EQ(primary.Syntax, QStringLiteral("WEAPON,MAGAZINE,SIZE"));
    EXPECT_EQ(primary.Lines, (QStringList{"M16,M16,1", "AK74 , AK74 ,1,", "[]"}));
    EXPECT_EQ(primary.GetParams(-1), params({"WEAPON", "MAGAZINE", "SIZE"}));
    EXPECT_EQ(primary.GetParams(1), params({"AK74 ", " AK74 ", "1"}));
    EXPECT_EQ(primary.GetName(1), QStringLiteral("AK74 "));
    EXPECT_EQ(primary.GetParams(2), params({"[]"}));

    const TSection &secondary = *parser.Sections[1];
    EXPECT_EQ(secondary.Name, QStringLiteral("SECONDARY"));
    EXPECT_TRUE(secondary.Syntax.isEmpty());
    EXPECT_TRUE(secondary.GetParams(-1).isEmpty());
    ASSERT_EQ(secondary.Lines.size(), 1);
    EXPECT_EQ(secondary.GetName(0), QStringLiteral("LAWLauncher"));
    EXPECT_EQ(secondary.GetParams(0), params({"LAWLauncher"}));

    EXPECT_EQ(parser.Sections[2]->Name, QStringLiteral("empty"));
    EXPECT_TRUE(parser.Sections[2]->Lines.isEmpty());

    // Names are not looked up: a repeated one is simply a later section.
    EXPECT_EQ(parser.Sections[3]->Name, QStringLiteral("PRIMARY"));
    EXPECT_EQ(parser.Sections[3]->Lines, QStringList{"dup,1"});
}

TEST_F(DatParserTest, DecodesWindows1251AndStopsAtNul)
{
    // "[ОРУЖИЕ]" and "Гранату,1" in Windows-1251, then a NUL after which nothing is read.
    static const char raw[] = "[\xCE\xD0\xD3\xC6\xC8\xC5]\r\n\xC3\xF0\xE0\xED\xE0\xF2\xF3,1\r\n"
                              "x,2\0[LOST]\r\ny,3\r\n";
    const QString path = write(QByteArray(raw, sizeof raw - 1));
    TDatParser parser(path);
    ASSERT_EQ(parser.Sections.size(), 1u);
    EXPECT_EQ(parser.Sections[0]->Name, QStringLiteral("ОРУЖИЕ"));
    EXPECT_EQ(parser.Sections[0]->Lines, (QStringList{"Гранату,1", "x,2"}));
}

TEST_F(DatParserTest, LongNamesAndLinesAreCut)
{
    const QByteArray longName(300, 'N');
    const QByteArray longSyntax(300, 'S');
    const QString path = write("[" + longName + "] Syntax = " + longSyntax + "\r\n" + QByteArray(300, 'w') + ",m,1\r\n");
    TDatParser parser(path);
    ASSERT_EQ(parser.Sections.size(), 1u);
    const TSection &s = *parser.Sections[0];
    EXPECT_EQ(s.Name.size(), 255);
    EXPECT_EQ(s.Syntax.size(), 255);
    // The record line itself is kept whole; only what is read from it is cut.
    EXPECT_EQ(s.Lines[0].size(), 304);
    EXPECT_EQ(s.GetName(0), QString(255, u'w'));
    EXPECT_EQ(s.GetParams(0)[0].size(), 255);
    EXPECT_EQ(TSection(QString(256, u'd')).Name.size(), 255);
}

TEST_F(DatParserTest, UnreadableOrEmptyFilesRaiseTheFileError)
{
    const QString empty = write("", QStringLiteral("empty.dat"));
    EXPECT_EQ(openError(empty), FileErrorPrefix + empty + u'.');

    const QString blank = write(" \r\n\t\r\n\r\n   ", QStringLiteral("blank.dat"));
    EXPECT_EQ(openError(blank), FileErrorPrefix + blank + u'.');

    const QString missing = dir.filePath(QStringLiteral("missing.dat"));
    EXPECT_EQ(openError(missing), FileErrorPrefix + missing + u'.');

    EXPECT_EQ(openError(dir.path()), FileErrorPrefix + dir.path() + u'.');

    // Lines without any header are no error: they are comments, and there are no sections.
    TDatParser onlyComments(write("just a note\r\n", QStringLiteral("note.dat")));
    EXPECT_TRUE(onlyComments.Sections.empty());
}

TEST_F(DatParserTest, IndexErrors)
{
    TDatParser parser(write("[FIVE]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[NONE]\r\n"));
    const TSection &five = *parser.Sections[0];
    const TSection &none = *parser.Sections[1];

    auto paramsError = [](const TSection &s, int index) { return thrown([&] { s.GetParams(index); }); };
    const QString head = QStringLiteral("Неверный индекс параметров.\r\nИндекс должен быть в пределах -1...");
    EXPECT_EQ(paramsError(five, 5), head + u'4');
    EXPECT_EQ(paramsError(five, -2), head + u'4');
    EXPECT_EQ(paramsError(none, 0), head + QStringLiteral("-1"));
    EXPECT_EQ(paramsError(five, 4), QStringLiteral("<no error>"));
    EXPECT_TRUE(none.GetParams(-1).isEmpty());

    auto nameError = [](const TSection &s, int index) { return thrown([&] { s.GetName(index); }); };
    EXPECT_EQ(nameError(five, 5), QStringLiteral("List index out of bounds (5)"));
    EXPECT_EQ(nameError(five, -1), QStringLiteral("List index out of bounds (-1)"));
    EXPECT_EQ(nameError(none, 0), QStringLiteral("List index out of bounds (0)"));
}

TEST_F(DatParserTest, UnitDataCheck)
{
    const QByteArray good = "[P]\r\nM16,M16,1\r\nM16GL,M16,1,GL,2\r\n"
                            "[S]\r\nLAW,LAW,2\r\n[H]\r\n[E]\r\nHandGrenade,1\r\n";
    {
        const QString path = write(good);
        TDatParser parser(path);
        EXPECT_NO_THROW(CheckUnitData(parser, path));
    }

    struct Case { const char *name; QByteArray bytes; };
    const Case bad[] = {
        {"three sections", "[P]\r\n[S]\r\n[H]\r\n"},
        {"two weapon fields", "[P]\r\nM16,M16\r\n[S]\r\n[H]\r\n[E]\r\n"},
        {"slots not a number", "[P]\r\n[S]\r\nLAW,LAW,two\r\n[H]\r\n[E]\r\n"},
        {"negative slots", "[P]\r\n[S]\r\n[H]\r\nM9,M9,-1\r\n[E]\r\n"},
        {"slots with blank", "[P]\r\nM16,M16, 1\r\n[S]\r\n[H]\r\n[E]\r\n"},
        {"empty magazine", "[P]\r\nM16,,1\r\n[S]\r\n[H]\r\n[E]\r\n"},
        {"grenade without slots", "[P]\r\nM16GL,M16,1,GL\r\n[S]\r\n[H]\r\n[E]\r\n"},
        {"grenade slots not a number", "[P]\r\nM16GL,M16,1,GL,x\r\n[S]\r\n[H]\r\n[E]\r\n"},
        {"empty grenade", "[P]\r\nM16GL,M16,1,,2\r\n[S]\r\n[H]\r\n[E]\r\n"},
        {"equipment without slots", "[P]\r\n[S]\r\n[H]\r\n[E]\r\nHandGrenade\r\n"},
        {"equipment extra field", "[P]\r\n[S]\r\n[H]\r\n[E]\r\nHandGrenade,1,1\r\n"},
        {"equipment slots empty", "[P]\r\n[S]\r\n[H]\r\n[E]\r\n,1\r\nMine,\r\n"},
    };
    for (const Case &c : bad) {
        const QString path = write(c.bytes, QStringLiteral("bad.dat"));
        TDatParser parser(path);
        EXPECT_EQ(thrown([&] { CheckUnitData(parser, path); }), FileErrorPrefix + path + u'.') << c.name;
    }

    // Sections past the fourth are not the wizards' business.
    const QString extra = write(good + "[MORE]\r\nanything at all\r\n", QStringLiteral("extra.dat"));
    EXPECT_NO_THROW(CheckUnitData(TDatParser(extra), extra));
}

TEST_F(DatParserTest, SurvivesRandomAndTruncatedInput)
{
    const QByteArray sample = "; note\r\n[PRIMARY] Syntax = W,M,S,G(opt),GS(opt)\r\nM16,M16,1,Mortar,2\r\n"
                              "[SECONDARY]\r\nLAW,LAW,2\r\n[HANDGUN]\r\n[EQUIPMENT] Syntax = I,S\r\nMine,2\r\n";
    auto exercise = [this](const QByteArray &bytes) {
        const QString path = write(bytes, QStringLiteral("fuzz.dat"));
        try {
            TDatParser parser(path);
            for (const auto &section : parser.Sections) {
                TParams p;
                section->GetParams(-1, p);
                for (int i = 0; i < section->Lines.size(); ++i) {
                    section->GetName(i);
                    section->GetParams(i, p);
                    EXPECT_FALSE(section->Lines[i].isEmpty());
                }
            }
            CheckUnitData(parser, path);
        } catch (const AppError &) {
            // rejecting the input is fine; crashing or hanging is not
        }
    };

    for (qsizetype n = 0; n <= sample.size(); ++n)
        exercise(sample.left(n));

    std::mt19937 rng(20240611);
    const QByteArray alphabet = "[],\r\n \t=Syntax0123456789AZaz\x01\x80\xC0\xFF";
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int len = std::uniform_int_distribution<int>(0, 400)(rng);
        for (int i = 0; i < len; ++i) {
            if (rng() % 4 == 0)
                bytes.append(char(rng() % 256));
            else
                bytes.append(alphabet[int(rng() % alphabet.size())]);
        }
        exercise(bytes);
    }
}
