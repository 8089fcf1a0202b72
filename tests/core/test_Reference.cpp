// The reference tree, the quoting of a tree name, help cards, caret words, the completion's
// choice of list and the column layout of a tree row.
#include "../TestUtil.h"
#include "gamedata/HelpCard.h"
#include "gamedata/ReferenceTree.h"
#include "script/CaretText.h"
#include "script/CompletionRules.h"
#include "text/ColumnText.h"
#include "text/FileText.h"

#include <QDir>

namespace {

// One line a node, '.' before it for each level below the top.
QStringList flat(const std::vector<ReferenceNode> &nodes, const QString &indent = QString())
{
    QStringList lines;
    for (const ReferenceNode &node : nodes)
        lines << indent + node.text << flat(node.children, indent + u'.');
    return lines;
}

const QStringList kDataFile = {
    " lone",               // before any header: an entry of its own
    "loose",
    "[COMMANDS OFP]", "hint", "",
    "[CMDIL OFP]", "hint  hint \"text\"", "[still skipped]", "",
    "[INFANTRY WEAPONS OFP]", " M16mag", "M16", " M16mag", "  two blanks",
    "[INFANTRY MAGAZINES OFP]", "M16mag",
    "[COMMANDS ARMA]", " orphan", "setVehicleInit",
    "[Notes]", "neutral entry", // a neutral header, lower case and all
    "[CMDIL ARMA]", "x", "[lower case stays skipped]",
    "[A]B]", "inner bracket",
    "[Ofp notes]", "ofp only",
    "[EQUIPMENT ARMA]", "NVGoggles",
};

} // namespace

// Neutral sections are those of no game.
TEST(ReferenceTree, EachGameSeesItsOwnSections)
{
    EXPECT_EQ(flat(ReferenceTree::build(kDataFile, Game::Ofp)),
              QStringList({"lone", "loose", "Команды", ".hint", "Оружие пехоты", ".M16mag", ".M16", "..M16mag",
                           ".. two blanks", "Notes", ".neutral entry", "A]B]", ".inner bracket", "Ofp notes",
                           ".ofp only"}));
    EXPECT_EQ(flat(ReferenceTree::build(kDataFile, Game::Arma)),
              QStringList({"lone", "loose", "Команды", ".orphan", ".setVehicleInit", "Notes", ".neutral entry",
                           "A]B]", ".inner bracket", "Снаряжение", ".NVGoggles"}));
    EXPECT_TRUE(ReferenceTree::build({}, Game::Ofp).empty());
}

TEST(ReferenceTree, QuotesAddedOnlyWhereMissing)
{
    const std::tuple<const char *, int, const char *> cases[] = {
        {"a \"\" b", 3, "M16"},       // between two quotes
        {"a \"", 3, "M16\""},         // after an opening quote
        {"a \"x\"", 4, "\"M16"},      // before a closing quote
        {"", 0, "\"M16\""},
        {"\"", 0, "\"M16"},           // a line of one quote, caret before it
        {"\"x", 0, "\"M16"},          // column 1: the quote at the caret closes the name
        {"x\"", 0, "\"M16\""},
        {"\"", 1, "M16\""},
    };
    for (const auto &[line, caret, inserted] : cases)
        EXPECT_EQ(ReferenceTree::quotedName(line, caret, "M16"), QString(inserted)) << line << " @" << caret;
}

TEST(HelpCard, FirstTagsStripped)
{
    const std::pair<const char *, const char *> cases[] = {
        {"plain", "plain"},
        {"<i>one</i> and <i>two</i>", "one and <i>two</i>"},
        {"a > b <c>", "a > b <c>"}, // the first '>' stands before the first '<'
        {"x <b>y", "x y"},
        {"<p>", ""},
        {"<", "<"},
        {"text</b>", "text"}, // a closing tag is the first tag too
    };
    for (const auto &[line, stripped] : cases)
        EXPECT_EQ(HelpCard::stripFirstTags(line), QString(stripped)) << line;
}

// Seven rows, whatever the file holds; a row shows through the tag rule.
TEST(HelpCard, CardHasSevenRows)
{
    const QStringList eight = HelpCard::rows("hint\r\nOFP\r\n1.00\r\nhint text\r\n<b>text</b>\r\nNothing\r\n"
                                             "\xCF\xEE\xEA\xE0\xE7\r\nextra\r\n");
    EXPECT_EQ(eight, QStringList({"hint", "OFP", "1.00", "hint text", "text", "Nothing", u"Показ"_qs}));
    EXPECT_EQ(HelpCard::rows("a\nb\rc"), QStringList({"a", "b", "c", "", "", "", ""}));
    EXPECT_EQ(HelpCard::rows(""), QStringList(HelpCard::kRows, QString()));
}

TEST(HelpCard, FileFoundInAnyCaseInsideTheFolderOnly)
{
    const QString cmd = QFileInfo(tempFile("secret.txt", "x")).path() + "/cmd";
    QDir().mkpath(cmd);
    saveTextToFile("x", cmd + "/addWeapon.txt");
    EXPECT_EQ(HelpCard::findFile(cmd, "ADDWEAPON"), cmd + "/addWeapon.txt");
    for (const char *name : {"", "../secret", "..", "/etc/passwd", "add Weapon", "addWeapon;x", "missing"})
        EXPECT_EQ(HelpCard::findFile(cmd, name), QString()) << name;
    EXPECT_EQ(HelpCard::findFile(cmd + "/none", "addWeapon"), QString());
}

TEST(CaretText, WordsAroundTheCaret)
{
    const QString sample = "player addWeapon \"M16\"; (x)";
    const std::tuple<int, const char *, const char *> words[] = {
        // caret, word at it, word that ends nearest before it
        {0, "player", ""},
        {3, "player", "player"},
        {6, "player", "player"},
        {7, "addWeapon", "player"},
        {17, "", "addWeapon"},
        {18, "M16", "addWeapon"},
        {100, "", "x"},
    };
    for (const auto &[caret, at, before] : words) {
        EXPECT_EQ(CaretText::wordAt(sample, caret), QString(at)) << caret;
        EXPECT_EQ(CaretText::previousWord(sample, caret), QString(before)) << caret;
    }
    EXPECT_EQ(CaretText::wordAt(u"_x = Солдат1"_qs, 8), u"Солдат1"_qs);
}

TEST(CaretText, BracketBesideTheCaret)
{
    const std::tuple<const char *, int, bool> brackets[] = {
        {"f(x)", 4, true},
        {"f(x)", 1, true},
        {"a b", 1, false},
        {"", 0, false},
        {"[", 0, true},
        {"{", 5, false},
        {"<b>", 3, true},
    };
    for (const auto &[text, caret, beside] : brackets)
        EXPECT_EQ(CaretText::bracketBesideCaret(text, caret), beside) << text << " @" << caret;
}

TEST(CompletionRules, QuoteThatOpensAStringOpensTheCommandsNames)
{
    using enum CompletionRules::ArgumentList;
    const std::tuple<const char *, CompletionRules::ArgumentList> cases[] = {
        // the caret stands at the end of each line, right after the last character typed
        {"x ADDMAGAZINEPOOL \"", Magazines},           // any mix of cases
        {"crate addMagazinePool [\"", Magazines},
        {"player addWeapon \"M16\"", None},             // the closing quote of a string
        {"player addWeapon \"M1", None},                // after letters the opening quote is odd
        {"\"", None},
        {"", None},
    };
    for (const auto &[line, list] : cases)
        EXPECT_EQ(CompletionRules::argumentListAt(line, qsizetype(strlen(line))), list) << line;
    // A quote typed in front of an existing string counts that string's quotes too.
    EXPECT_EQ(CompletionRules::argumentListAt("removeWeapon \"\"M16\"", 14), Weapons);
    EXPECT_EQ(CompletionRules::argumentListOf(u"SelectWeapon"), Weapons);
    EXPECT_EQ(CompletionRules::argumentListOf(u"addweapons"), None);
}

TEST(ColumnText, PartsGoIntoTheirColumnsAndTheRestToTheRowsEnd)
{
    using ColumnText::Part;
    const auto layout = [](const char *text, QList<int> widths) {
        QStringList out;
        for (const Part &p : ColumnText::layout(text, ";", widths, {19, 0, 300, 4}))
            out << QStringLiteral("%1:%2@%3-%4").arg(p.text).arg(p.column).arg(p.left).arg(p.right);
        return out;
    };
    EXPECT_EQ(layout("a;b;c", {100, 80}), QStringList({"a:0@19-96", "b:1@100-176", "c:2@180-296"}));
    EXPECT_EQ(layout("a;b", {100, 80, 60}), QStringList({"a:0@19-96", "b:1@100-176"}));
    // Without columns only the text before the separator lies inside the row.
    EXPECT_EQ(layout("abc;def", {}), QStringList({"abc:0@19-296", "def:1@300-296"}));
    EXPECT_EQ(layout("", {}), QStringList({":0@19-296"}));
    EXPECT_EQ(layout(";x", {50}), QStringList({":0@19-46", "x:1@50-296"}));
    // Header clicks: the section under x.
    for (const auto &[x, section] : {std::pair{0, -1}, {1, 0}, {100, 0}, {101, 1}, {999, 1}})
        EXPECT_EQ(ColumnText::sectionAt({100, 80}, x), section) << x;
    EXPECT_EQ(ColumnText::sectionAt({}, 10), -1);
}
