// The shipped data files: data.dat, the two unit data files, the script templates and the command
// help cards, checked against the fact tables copied into tests/fixtures/gamefacts.
#include "../TestUtil.h"
#include "gamedata/DatParser.h"
#include "gamedata/GameDataFile.h"
#include "gamedata/HelpCard.h"
#include "text/Cp1251.h"
#include "text/FileText.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString kData = QStringLiteral(VELMORA_SOURCE_DIR "/data/");
const QString kFacts = QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/gamefacts/");
const char *const kGames[] = {"OFP", "ARMA"};
const char *const kSections[] = {"COMMANDS", "CMDIL", "ANIMATIONS", "MAN", "INFANTRY WEAPONS",
                                 "INFANTRY MAGAZINES", "VEHICLE/STATIC WEAPONS", "VEHICLES", "EQUIPMENT"};

// The file's bytes, each of its lines ended by CR LF, the last one too.
QByteArray crLfFile(const QString &path)
{
    const QByteArray bytes = loadFileToString(path);
    EXPECT_TRUE(bytes.endsWith("\r\n")) << qPrintable(path);
    EXPECT_EQ(bytes.count('\r') + bytes.count('\n'), 2 * bytes.count("\r\n")) << qPrintable(path) << ": bare CR or LF";
    return bytes;
}

// data.dat through the program's own readers.
const QStringList &dataDat()
{
    static const QStringList lines = GameDataFile::loadLines(kData + "data.dat");
    return lines;
}
QStringList section(const char *name, const char *game)
{
    return GameDataFile::entries(GameDataFile::readSection(dataDat(), QStringLiteral("[%1 %2]").arg(name, game)));
}

QHash<QString, QStringList> weaponsWithMagazines(const char *game)
{
    QHash<QString, QStringList> out;
    QString weapon;
    for (const QString &l : section("INFANTRY WEAPONS", game)) {
        if (l.startsWith(u' '))
            out[weapon] << l.mid(1);
        else
            out[weapon = l];
    }
    return out;
}

QList<QHash<QString, QString>> readTable(const char *name)
{
    const QStringList lines = QString::fromUtf8(loadFileToString(kFacts + name)).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    const QStringList head = lines.value(0).trimmed().split(u'\t');
    QList<QHash<QString, QString>> rows;
    for (const QString &line : lines.mid(1)) {
        const QStringList cells = line.split(u'\t');
        QHash<QString, QString> &row = rows.emplaceBack();
        for (qsizetype i = 0; i < head.size() && i < cells.size(); ++i)
            row[head[i]] = cells[i];
    }
    return rows;
}

} // namespace

TEST(DataDat, SectionsOfEachGameInOrder)
{
    QStringList expectedHeads, heads;
    for (const char *game : kGames)
        for (const char *name : kSections)
            expectedHeads << QStringLiteral("[%1 %2]").arg(name, game);
    for (const QString &l : dataDat())
        if (l.startsWith(u'['))
            heads << l;
    EXPECT_EQ(heads, expectedHeads);
    EXPECT_EQ(dataDat().value(0), expectedHeads.first());
}

// At most the one blank that marks a sub-entry; no empty lines inside sections.
TEST(DataDat, LinesEndInCrLfWithNoGapOrPadding)
{
    crLfFile(kData + "data.dat");
    ASSERT_FALSE(dataDat().isEmpty());
    QString head;
    for (const QString &l : dataDat()) {
        head = l.startsWith(u'[') ? l : head;
        const QString body = l.startsWith(u' ') ? l.mid(1) : l;
        EXPECT_FALSE(body.isEmpty()) << "empty line after " << head.toStdString();
        EXPECT_EQ(body, body.trimmed()) << "stray blanks: '" << l.toStdString() << "'";
    }
}

// Only INFANTRY WEAPONS has blank-led sub-entries.
TEST(DataDat, ClassNamesAreSingleWordsEachOnce)
{
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9_]+$"));
    for (const char *game : kGames)
        for (const char *name : kSections) {
            const QStringList entries = section(name, game);
            EXPECT_FALSE(entries.isEmpty()) << name << ' ' << game;
            QSet<QString> seen;
            for (const QString &e : entries) {
                if (qstrcmp(name, "CMDIL") == 0 || (qstrcmp(name, "INFANTRY WEAPONS") == 0 && e.startsWith(u' ')))
                    continue;
                EXPECT_TRUE(word.match(e).hasMatch()) << name << ' ' << game << ": '" << e.toStdString() << "'";
                EXPECT_FALSE(seen.contains(e.toLower())) << "repeated " << e.toStdString();
                seen.insert(e.toLower());
            }
        }
}

// Operators made of symbols cannot be keywords and are left out.
TEST(DataDat, CommandsAreTheNamedOnesOfTheCommandTable)
{
    const auto table = readTable("commands.tsv");
    ASSERT_FALSE(table.isEmpty());
    static const QRegularExpression named(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    for (const auto &[game, column] : {std::pair{"OFP", "ofp_since"}, {"ARMA", "arma_since"}}) {
        QStringList expected;
        for (const auto &row : table)
            if (!row.value(column).isEmpty() && named.match(row.value("name")).hasMatch())
                expected << row.value("name");
        EXPECT_EQ(section("COMMANDS", game), expected) << game;
    }
}

// The name, two blanks, then a syntax that names the command itself.
TEST(DataDat, DisplayLineOfEachCommandShowsItsSyntax)
{
    for (const char *game : kGames) {
        const QStringList commands = section("COMMANDS", game), display = section("CMDIL", game);
        EXPECT_EQ(commands.size(), display.size()) << game;
        for (qsizetype i = 0; i < commands.size() && i < display.size(); ++i) {
            const QString prefix = commands[i] + QStringLiteral("  ");
            const QString syntax = display[i].mid(prefix.size());
            EXPECT_TRUE(display[i].startsWith(prefix) && !syntax.isEmpty() && !syntax.at(0).isSpace()
                        && syntax.contains(commands[i]) && !display[i].contains(u'\t') && !display[i].contains(u'\\'))
                << game << " line " << i << ": " << display[i].toStdString();
        }
    }
}

// Every weapon has known magazines, and every magazine belongs to a weapon.
TEST(DataDat, MagazinesPairWithWeapons)
{
    for (const char *game : kGames) {
        EXPECT_FALSE(section("INFANTRY WEAPONS", game).value(0).startsWith(u' ')) << "sub-entry without a weapon";
        const QStringList known = section("INFANTRY MAGAZINES", game) + section("EQUIPMENT", game);
        QSet<QString> used;
        const auto weapons = weaponsWithMagazines(game);
        for (auto it = weapons.begin(); it != weapons.end(); ++it) {
            EXPECT_FALSE(it.value().isEmpty()) << game << ' ' << it.key().toStdString() << " has no magazine";
            for (const QString &m : it.value()) {
                EXPECT_TRUE(known.contains(m)) << game << ' ' << it.key().toStdString() << ": '" << m.toStdString();
                used.insert(m);
            }
        }
        for (const QString &m : section("INFANTRY MAGAZINES", game))
            EXPECT_TRUE(used.contains(m)) << game << " magazine of no weapon: " << m.toStdString();
    }
}

class UnitDat : public ::testing::TestWithParam<const char *>
{
protected:
    const char *game() const { return GetParam(); }
    QString path() const { return kData + QString(GetParam()).toLower() + "_unit.dat"; }
};

INSTANTIATE_TEST_SUITE_P(Games, UnitDat, ::testing::ValuesIn(kGames), [](const auto &game) { return game.param; });

TEST_P(UnitDat, FilePassesTheUnitDataCheck)
{
    EXPECT_FALSE(crLfFile(path()).startsWith('[')) << "a comment block comes first";
    const DatParser parser(path());
    EXPECT_EQ(thrown([&] { checkUnitData(parser, path()); }), "<no error>");
    ASSERT_EQ(parser.sections.size(), 4u);
    const QString weaponSyntax = "WEAPON,MAGAZINE,MAGAZINE_SIZE,SECONDARY_AMMO(opt),SECONDARY_AMMO_SIZE(opt)";
    const char *const names[] = {"PRIMARY", "SECONDARY", "HANDGUN", "EQUIPMENT"};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(parser.sections[s]->name, QLatin1String(names[s]));
        EXPECT_EQ(parser.sections[s]->syntax, s < 3 ? weaponSyntax : QStringLiteral("ITEM,SIZE"));
        EXPECT_FALSE(parser.sections[s]->lines.isEmpty());
    }
}

// A known weapon with its own magazines and at least one slot; a known item.
TEST_P(UnitDat, EntriesAreThoseOfDataDat)
{
    const DatParser parser(path());
    ASSERT_EQ(parser.sections.size(), 4u);
    const auto weapons = weaponsWithMagazines(game());
    const QStringList equipment = section("EQUIPMENT", game());
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < parser.sections[s]->lines.size(); ++i) {
            const DatParams f = parser.sections[s]->params(i);
            const std::string line = parser.sections[s]->lines[i].toStdString();
            if (s == 3) {
                EXPECT_TRUE(equipment.contains(f.value(0))) << "unknown item " << line;
                continue;
            }
            EXPECT_TRUE(weapons.contains(f.value(0))) << "unknown weapon " << line;
            for (int k : {1, 3})
                EXPECT_TRUE(k >= f.size() || weapons.value(f.value(0)).contains(f[k])) << "not its magazine: " << line;
            EXPECT_GE(f.value(2).toInt(), 1) << line;
        }
}

// Pairs of class and slots, (1, 2) and (3, 4) for weapons, (0, 1) for equipment.
TEST(OfpUnitDat, SlotsAreTheClassTables)
{
    QHash<QString, QString> ofpSlots; // magazine or equipment class -> slots
    for (const auto &row : readTable("ofp_classes.tsv"))
        if (row.value("kind") == "magazine" || row.value("kind") == "equipment")
            ofpSlots[row.value("class")] = row.value("slots");
    ASSERT_FALSE(ofpSlots.isEmpty());
    const DatParser parser(kData + "ofp_unit.dat");
    ASSERT_EQ(parser.sections.size(), 4u);
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < parser.sections[s]->lines.size(); ++i) {
            const DatParams f = parser.sections[s]->params(i);
            for (int k = (s == 3 ? 0 : 1); k + 1 < f.size(); k += 2)
                EXPECT_EQ(f[k + 1], ofpSlots.value(f[k], "<not in table>")) << parser.sections[s]->lines[i].toStdString();
        }
}

TEST(DataFiles, TemplatesOpenWithACommentAndEveryGotoHasItsLabel)
{
    const QDir dir(kData + "templates");
    const QStringList names = dir.entryList({QStringLiteral("*.sqs")}, QDir::Files);
    EXPECT_GE(names.size(), 4);
    static const QRegularExpression gotoRe(QStringLiteral("goto \"(\\w+)\""));
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = crLfFile(dir.filePath(name));
        EXPECT_TRUE(bytes.startsWith(';')) << "a template opens with a comment saying what it does";
        const QStringList lines = Cp1251::decode(bytes).split(QStringLiteral("\r\n"));
        for (const QString &l : lines)
            for (auto m = gotoRe.globalMatch(l); m.hasNext() && !l.startsWith(u';');) {
                const QString label = m.next().captured(1);
                EXPECT_TRUE(lines.contains(u'#' + label)) << "no label " << label.toStdString();
            }
    }
}

TEST(HelpCards, EveryCommandHasASevenLineCardOfItsOwn)
{
    const QStringList ofp = section("COMMANDS", "OFP"), arma = section("COMMANDS", "ARMA");
    const QSet<QString> all = QSet<QString>(ofp.begin(), ofp.end()) + QSet<QString>(arma.begin(), arma.end());
    ASSERT_FALSE(ofp.isEmpty() || arma.isEmpty());
    QHash<QString, QString> descriptions; // description -> command, to find twins
    for (const QString &command : all) {
        SCOPED_TRACE(command.toStdString());
        const QStringList card = Cp1251::decode(crLfFile(kData + "cmd/" + command + ".txt")).split("\r\n");
        EXPECT_EQ(card.size(), 8) << "seven lines and the final break";
        EXPECT_EQ(card.value(0), command);
        EXPECT_EQ(card.value(1), !arma.contains(command) ? "OFP" : !ofp.contains(command) ? "ArmA" : "OFP, ArmA");
        for (int i = 2; i < 7; ++i)
            EXPECT_FALSE(card.value(i).trimmed().isEmpty()) << "line " << i;
        for (int i = 0; i < 7; ++i) // the help window shows each line through the tag rule
            EXPECT_EQ(HelpCard::stripFirstTags(card.value(i)), card.value(i)) << "line " << i << " loses text on screen";
        EXPECT_TRUE(card.value(3).contains(command, Qt::CaseInsensitive)) << "the syntax";
        EXPECT_EQ(descriptions.value(card.value(6)), QString()) << "shares its description";
        descriptions.insert(card.value(6), command);
    }
    // No card of a command the data file does not know.
    EXPECT_EQ(QDir(kData + "cmd").entryList({"*.txt"}, QDir::Files).size(), all.size());
}
