// stringtable.csv text and the edits of the table of strings.
#include "../TestUtil.h"
#include "wizards/StringtableCsv.h"

using namespace Stringtable;

namespace {

enum { English, Russian, German, Czech, French, Italian, Spanish };

StringtableForm withLanguages(std::initializer_list<int> chosen)
{
    StringtableForm form;
    for (int language : chosen)
        form.languages[language] = true;
    return form;
}

Row row(const QString &id, const QString &english, const QString &russian)
{
    Row r;
    r.id = id;
    r.texts[English] = english;
    r.texts[Russian] = russian;
    return r;
}

QString csv(const StringtableForm &form) { return buildStringtableCsv(form).value_or(QStringLiteral("<none>")); }

} // namespace

TEST(StringtableCsv, GoldenTexts)
{
    const Row hello = row(QStringLiteral("STR_A"), QStringLiteral("Hello"), u"Привет"_qs);
    const Row empty;
    StringtableForm one = withLanguages({Russian, English});
    one.rows = {hello, empty};
    StringtableForm gaps = withLanguages({English, Russian});
    gaps.rows = {hello, empty, empty, empty, row(QStringLiteral("STR_B"), "x", "y")};
    StringtableForm blanks = withLanguages({German});
    blanks.rows.clear();
    ASSERT_TRUE(insertBlankRow(blanks, 0));
    StringtableForm raw = withLanguages({Spanish});
    raw.rows = {Row{QStringLiteral("STR_Q"), {}}};
    raw.rows[0].texts[Spanish] = QStringLiteral("say \"hi\", now ");
    StringtableForm all = withLanguages({English, Russian, German, Czech, French, Italian, Spanish});
    const std::pair<const char *, std::pair<StringtableForm, QString>> cases[] = {
        {"every other empty row becomes an empty line",
         {gaps, u"LANGUAGE,\"English\",\"Russian\"\r\n\r\nSTR_A,\"Hello\",\"Привет\",\r\n\r\n,\"\",\"\",\r\n\r\nSTR_B,\"x\",\"y\",\r\n"_qs}},
        {"a row of single blanks stays", {blanks, "LANGUAGE,\"German\"\r\n\r\n ,\" \",\r\n"}},
        {"texts go in as typed", {raw, "LANGUAGE,\"Spanish\"\r\n\r\nSTR_Q,\"say \"hi\", now \",\r\n"}},
        {"all seven in their order",
         {all, "LANGUAGE,\"English\",\"Russian\",\"German\",\"Czech\",\"French\",\"Italian\",\"Spanish\"\r\n\r\n\r\n"}},
    };
    for (const auto &[name, c] : cases)
        EXPECT_EQ(csv(c.first), c.second) << name;
    // One row and an empty one, as the ArmA save writes them: UTF-8 without a mark.
    EXPECT_TRUE(matchesGolden(csv(one).toUtf8(), "stringtable.csv"));
    EXPECT_EQ(buildStringtableCsv(StringtableForm{}), std::nullopt);
}

// A text belongs to its language: choosing languages off and on never moves it to another.
TEST(StringtableCsv, TextsKeepTheirLanguage)
{
    StringtableForm form = withLanguages({English, Russian});
    form.rows = {row(QStringLiteral("STR_A"), QStringLiteral("Hello"), u"Привет"_qs)};
    form.languages[English] = false;
    EXPECT_EQ(cell(form, 0, 1), u"Привет"_qs);
    EXPECT_EQ(cell(form, 0, 2), QString()); // no such column now
    EXPECT_EQ(csv(form), u"LANGUAGE,\"Russian\"\r\n\r\nSTR_A,\"Привет\",\r\n"_qs);
    form.languages[English] = true;
    EXPECT_EQ(csv(form), u"LANGUAGE,\"English\",\"Russian\"\r\n\r\nSTR_A,\"Hello\",\"Привет\",\r\n"_qs);
}

// Nothing is trimmed.
TEST(StringtableCsv, IdentifiersCompareExactly)
{
    StringtableForm ids = withLanguages({English});
    EXPECT_FALSE(isUniqueId(ids, QString())); // the initial empty row
    ids.rows[0].id = QStringLiteral("STR_A");
    EXPECT_TRUE(isUniqueId(ids, QStringLiteral("STR_A ")));
    EXPECT_TRUE(isUniqueId(ids, QString()));
}

// Two insertions at the same current row: the second lands above the first, the initial empty row
// is pushed to the end.
TEST(StringtableCsv, InsertedRowGoesAboveTheCurrentOne)
{
    StringtableForm edited = withLanguages({English});
    ASSERT_TRUE(insertBlankRow(edited, 0));
    setCell(edited, 0, 0, QStringLiteral("STR_1"));
    ASSERT_TRUE(insertBlankRow(edited, 0));
    setCell(edited, 0, 0, QStringLiteral("STR_2"));
    EXPECT_EQ(csv(edited), "LANGUAGE,\"English\"\r\n\r\nSTR_2,\" \",\r\nSTR_1,\" \",\r\n\r\n");
    EXPECT_FALSE(insertBlankRow(edited, -1));
    EXPECT_FALSE(insertBlankRow(edited, 4));
    EXPECT_TRUE(insertBlankRow(edited, 3)); // at the end
}

TEST(StringtableCsv, RowMovesWithTheRowsBetweenShifting)
{
    StringtableForm form = withLanguages({English});
    form.rows = {row("A", "", ""), row("B", "", ""), row("C", "", ""), row("D", "", "")};
    EXPECT_TRUE(moveRow(form, 1, 0));
    EXPECT_EQ(cell(form, 0, 0), QStringLiteral("B"));
    EXPECT_FALSE(moveRow(form, 0, -1));
    EXPECT_FALSE(moveRow(form, 3, 4));
}

TEST(StringtableCsv, ClearedRowLosesEveryText)
{
    StringtableForm form = withLanguages({English});
    form.rows = {row("A", "a", ""), row("B", "b", "")};
    clearRow(form, 0);
    EXPECT_EQ(form.rows.size(), 2);
    EXPECT_EQ(cell(form, 0, 0), QString());
    EXPECT_EQ(cell(form, 0, 1), QString());
}

// Rows go, but the only data row is emptied, not removed; its cells become empty, not blanks.
TEST(StringtableCsv, DeletingTheOnlyRowEmptiesIt)
{
    StringtableForm edited = withLanguages({English});
    ASSERT_TRUE(insertBlankRow(edited, 0));
    setCell(edited, 0, 0, QStringLiteral("STR_1"));
    ASSERT_TRUE(insertBlankRow(edited, 0));
    deleteRow(edited, 0);
    deleteRow(edited, 1);
    ASSERT_EQ(edited.rows.size(), 1);
    EXPECT_EQ(cell(edited, 0, 0), QStringLiteral("STR_1"));
    deleteRow(edited, 0);
    ASSERT_EQ(edited.rows.size(), 1);
    EXPECT_EQ(csv(edited), "LANGUAGE,\"English\"\r\n\r\n\r\n");
}
