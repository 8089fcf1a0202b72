// The shipped data files: data.dat, the two unit data files and the script templates.
#include "../TestUtil.h"
#include "gamedata/GameDataFile.h"
#include "gamedata/DatParser.h"
#include "text/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(VELMORA_SOURCE_DIR "/data/");
const QString FactsDir = QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/gamefacts/");
const char *const Games[] = {"OFP", "ARMA"};
const char *const SectionNames[] = {"COMMANDS", "CMDIL", "ANIMATIONS", "MAN", "INFANTRY WEAPONS",
                                    "INFANTRY MAGAZINES", "VEHICLE/STATIC WEAPONS", "VEHICLES", "EQUIPMENT"};

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every line ends with CR LF, the last one too.
void expectCrLf(const QByteArray &bytes)
{
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << "bare CR";
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "bare LF";
}

QString header(const char *name, const char *game)
{
    return QStringLiteral("[%1 %2]").arg(QLatin1String(name), QLatin1String(game));
}

// Weapons of an INFANTRY WEAPONS section with the magazines listed under each.
QHash<QString, QStringList> weaponsWithMagazines(const QStringList &lines)
{
    QHash<QString, QStringList> out;
    QString current;
    for (const QString &l : lines) {
        if (l.startsWith(u' '))
            out[current] << l.mid(1);
        else
            out[current = l];
    }
    return out;
}

// Rows of a gamefacts table as column name -> value.
QList<QHash<QString, QString>> readTable(const QString &path)
{
    QList<QHash<QString, QString>> rows;
    const QStringList lines = QString::fromUtf8(readBytes(path)).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype r = 1; r < lines.size(); ++r) {
        const QStringList head = lines[0].trimmed().split(u'\t'), cells = lines[r].split(u'\t');
        QHash<QString, QString> &row = rows.emplaceBack();
        for (qsizetype i = 0; i < head.size() && i < cells.size(); ++i)
            row[head[i]] = cells[i];
    }
    return rows;
}

// data.dat through the program's own section reader.
class DataFilesDat : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lines = GameDataFile::loadLines(DataDir + "data.dat");
        ASSERT_FALSE(lines.isEmpty()) << "data.dat missing or empty";
    }
    QStringList get(const char *name, const char *game) const
    {
        return GameDataFile::entries(GameDataFile::readSection(lines, header(name, game)));
    }

    QStringList lines;
};

} // namespace

TEST_F(DataFilesDat, LayoutAndLineRules)
{
    expectCrLf(readBytes(DataDir + "data.dat"));
    QStringList expectedHeads;
    for (const char *game : Games)
        for (const char *name : SectionNames)
            expectedHeads << header(name, game);
    QStringList heads;
    for (const QString &l : std::as_const(lines)) {
        if (l.startsWith(u'['))
            heads << l;
        // At most the one blank that marks a sub-entry; no empty lines inside sections.
        const QString body = l.startsWith(u' ') ? l.mid(1) : l;
        EXPECT_FALSE(body.isEmpty()) << "empty line after " << heads.value(heads.size() - 1).toStdString();
        EXPECT_EQ(body, body.trimmed()) << "stray blanks: '" << l.toStdString() << "'";
    }
    EXPECT_EQ(heads, expectedHeads);
    EXPECT_EQ(lines.first(), expectedHeads.first());

    // Class names are single words; only INFANTRY WEAPONS has blank-led sub-entries.
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9_]+$"));
    for (const char *game : Games)
        for (const char *name : SectionNames) {
            if (qstrcmp(name, "CMDIL") == 0)
                continue;
            const QStringList entries = get(name, game);
            EXPECT_FALSE(entries.isEmpty()) << name << ' ' << game;
            QSet<QString> seen;
            for (const QString &e : entries) {
                if (qstrcmp(name, "INFANTRY WEAPONS") == 0 && e.startsWith(u' '))
                    continue;
                EXPECT_TRUE(word.match(e).hasMatch()) << name << ' ' << game << ": '" << e.toStdString() << "'";
                EXPECT_FALSE(seen.contains(e.toLower())) << "repeated " << e.toStdString();
                seen.insert(e.toLower());
            }
        }
}

TEST_F(DataFilesDat, CompletionListsRunInParallel)
{
    for (const char *game : Games) {
        const QStringList commands = get("COMMANDS", game);
        const QStringList display = get("CMDIL", game);
        ASSERT_EQ(commands.size(), display.size()) << game;
        for (qsizetype i = 0; i < commands.size(); ++i) {
            // The name, two blanks, then a syntax that names the command itself.
            const QString prefix = commands[i] + QStringLiteral("  ");
            const QString syntax = display[i].mid(prefix.size());
            EXPECT_TRUE(display[i].startsWith(prefix) && !syntax.isEmpty() && !syntax.at(0).isSpace()
                        && syntax.contains(commands[i]) && !display[i].contains(u'\t') && !display[i].contains(u'\\'))
                << game << " line " << i << ": " << display[i].toStdString();
        }
    }
}

TEST_F(DataFilesDat, CommandsMatchTheCommandTable)
{
    const auto rows = readTable(FactsDir + "commands.tsv");
    ASSERT_FALSE(rows.isEmpty()) << "the command table in tests/fixtures";
    // Operators made of symbols cannot be keywords and are left out.
    static const QRegularExpression named(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    for (const auto &[game, column] : {std::pair{"OFP", "ofp_since"}, {"ARMA", "arma_since"}}) {
        QStringList expected;
        for (const auto &row : rows)
            if (!row.value(column).isEmpty() && named.match(row.value("name")).hasMatch())
                expected << row.value("name");
        EXPECT_EQ(get("COMMANDS", game), expected) << game;
    }
}

TEST_F(DataFilesDat, WeaponsListTheirMagazines)
{
    for (const char *game : Games) {
        const QStringList weaponLines = get("INFANTRY WEAPONS", game);
        ASSERT_FALSE(weaponLines.isEmpty());
        EXPECT_FALSE(weaponLines.first().startsWith(u' ')) << "sub-entry without a weapon";
        const QStringList known = get("INFANTRY MAGAZINES", game) + get("EQUIPMENT", game);
        const auto weapons = weaponsWithMagazines(weaponLines);
        QSet<QString> used;
        for (auto it = weapons.begin(); it != weapons.end(); ++it) {
            EXPECT_FALSE(it.value().isEmpty()) << game << ' ' << it.key().toStdString() << " has no magazine";
            for (const QString &m : it.value()) {
                EXPECT_TRUE(known.contains(m)) << game << ' ' << it.key().toStdString() << ": '" << m.toStdString();
                used.insert(m);
            }
        }
        for (const QString &m : get("INFANTRY MAGAZINES", game))
            EXPECT_TRUE(used.contains(m)) << game << " magazine of no weapon: " << m.toStdString();
    }
}

TEST_F(DataFilesDat, UnitFilesAgreeWithDataDat)
{
    const QString weaponSyntax =
        QStringLiteral("WEAPON,MAGAZINE,MAGAZINE_SIZE,SECONDARY_AMMO(opt),SECONDARY_AMMO_SIZE(opt)");
    for (const auto &[file, game] : {std::pair{"ofp_unit.dat", "OFP"}, {"arma_unit.dat", "ARMA"}}) {
        SCOPED_TRACE(file);
        const QString path = DataDir + file;
        const QByteArray bytes = readBytes(path);
        expectCrLf(bytes);
        EXPECT_FALSE(bytes.startsWith('[')) << "a comment block comes first";

        std::unique_ptr<DatParser> parser;
        ASSERT_EQ(thrown([&] {
                      parser = std::make_unique<DatParser>(path);
                      checkUnitData(*parser, path);
                  }),
                  QStringLiteral("<no error>"));
        ASSERT_EQ(parser->sections.size(), 4u);
        const char *const names[] = {"PRIMARY", "SECONDARY", "HANDGUN", "EQUIPMENT"};
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(parser->sections[s]->name, QLatin1String(names[s]));
            EXPECT_EQ(parser->sections[s]->syntax, s < 3 ? weaponSyntax : QStringLiteral("ITEM,SIZE"));
            EXPECT_FALSE(parser->sections[s]->lines.isEmpty());
        }

        // Weapons take their own magazines; equipment is known to data.dat.
        const auto weapons = weaponsWithMagazines(get("INFANTRY WEAPONS", game));
        for (int s = 0; s < 3; ++s) {
            const DatSection &sec = *parser->sections[s];
            for (int i = 0; i < sec.lines.size(); ++i) {
                const DatParams f = sec.params(i);
                ASSERT_TRUE(weapons.contains(f[0])) << "unknown weapon " << f[0].toStdString();
                for (int k : {1, 3})
                    EXPECT_TRUE(k >= f.size() || weapons[f[0]].contains(f[k]))
                        << f[0].toStdString() << " does not take " << f[k].toStdString();
                EXPECT_GE(f[2].toInt(), 1);
            }
        }
        const QStringList equipment = get("EQUIPMENT", game);
        const DatSection &eq = *parser->sections[3];
        for (int i = 0; i < eq.lines.size(); ++i)
            EXPECT_TRUE(equipment.contains(eq.nameAt(i))) << "unknown item " << eq.nameAt(i).toStdString();
    }
}

TEST(DataFiles, OfpSlotsFollowTheClassTable)
{
    const auto rows = readTable(FactsDir + "ofp_classes.tsv");
    ASSERT_FALSE(rows.isEmpty()) << "the class table in tests/fixtures";
    QHash<QString, QString> slotsOf;
    for (const auto &row : rows)
        if (row.value("kind") == "magazine" || row.value("kind") == "equipment")
            slotsOf[row.value("class")] = row.value("slots");

    DatParser parser(DataDir + "ofp_unit.dat");
    ASSERT_GE(parser.sections.size(), 4u);
    for (int s = 0; s < 4; ++s) {
        const DatSection &sec = *parser.sections[s];
        for (int i = 0; i < sec.lines.size(); ++i) {
            const DatParams f = sec.params(i);
            // Pairs of class and slot count: (1, 2) and (3, 4) for weapons, (0, 1) for equipment.
            for (int k = (s == 3 ? 0 : 1); k + 1 < f.size(); k += 2)
                EXPECT_EQ(f[k + 1], slotsOf.value(f[k], "<not in table>")) << sec.lines[i].toStdString();
        }
    }
}

TEST(DataFiles, Templates)
{
    const QDir dir(QStringLiteral(VELMORA_SOURCE_DIR "/data/templates"));
    const QStringList names = dir.entryList({QStringLiteral("*.sqs")}, QDir::Files);
    EXPECT_GE(names.size(), 4);
    static const QRegularExpression gotoRe(QStringLiteral("goto \"(\\w+)\""));
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readBytes(dir.filePath(name));
        expectCrLf(bytes);
        EXPECT_TRUE(bytes.startsWith(';')) << "a template opens with a comment saying what it does";
        // Every label that a goto outside a comment names exists.
        const QStringList lines = Cp1251::decode(bytes).split(QStringLiteral("\r\n"));
        for (const QString &l : lines) {
            for (auto m = gotoRe.globalMatch(l); m.hasNext() && !l.startsWith(u';');) {
                const QString label = m.next().captured(1);
                EXPECT_TRUE(lines.contains(u'#' + label)) << "no label " << label.toStdString();
            }
        }
    }
}
