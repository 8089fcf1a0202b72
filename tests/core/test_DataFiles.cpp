// The shipped data files: data.dat, the two unit data files and the script templates.
#include "AppError.h"
#include "gamedata/uDatParser.h"
#include "text/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(VELMORA_SOURCE_DIR "/data/");
const QString FactsDir = QStringLiteral(VELMORA_SOURCE_DIR "/../shared/gamefacts/");

const char *const Games[] = {"OFP", "ARMA"};
const char *const SectionNames[] = {"COMMANDS", "CMDIL", "ANIMATIONS", "MAN", "INFANTRY WEAPONS",
                                    "INFANTRY MAGAZINES", "VEHICLE/STATIC WEAPONS", "VEHICLES", "EQUIPMENT"};

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QStringList crlfLines(const QString &path)
{
    QStringList lines = Cp1251::decode(readBytes(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString header(const char *name, const char *game)
{
    return QStringLiteral("[%1 %2]").arg(QLatin1String(name), QLatin1String(game));
}

// Stand-in for the program's section reader: from the exact header line up to the next '[' line.
QStringList section(const QStringList &lines, const QString &head)
{
    QStringList out;
    qsizetype i = lines.indexOf(head);
    if (i < 0)
        return out;
    for (++i; i < lines.size() && !lines[i].startsWith(u'['); ++i)
        out << lines[i];
    return out;
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
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    const QStringList head = QString::fromUtf8(f.readLine()).trimmed().split(u'\t');
    while (!f.atEnd()) {
        QString line = QString::fromUtf8(f.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        const QStringList cells = line.split(u'\t');
        QHash<QString, QString> row;
        for (qsizetype i = 0; i < head.size() && i < cells.size(); ++i)
            row[head[i]] = cells[i];
        rows << row;
    }
    return rows;
}

class DataFilesDat : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lines = crlfLines(DataDir + "data.dat");
        ASSERT_FALSE(lines.isEmpty()) << "data.dat missing or empty";
    }
    QStringList get(const char *name, const char *game) const { return section(lines, header(name, game)); }

    QStringList lines;
};

} // namespace

TEST_F(DataFilesDat, LayoutAndLineRules)
{
    const QByteArray bytes = readBytes(DataDir + "data.dat");
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << "bare CR";
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "bare LF";

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
            const QString prefix = commands[i] + QStringLiteral("  ");
            EXPECT_TRUE(display[i].startsWith(prefix) && display[i].size() > prefix.size()
                        && !display[i].at(prefix.size()).isSpace())
                << game << " line " << i << ": " << display[i].toStdString();
            EXPECT_FALSE(display[i].contains(u'\t') || display[i].contains(u'\\')) << display[i].toStdString();
            // The syntax shown names the command itself.
            EXPECT_TRUE(display[i].mid(prefix.size()).contains(commands[i])) << display[i].toStdString();
        }
    }
}

TEST_F(DataFilesDat, CommandsMatchTheCommandTable)
{
    const auto rows = readTable(FactsDir + "commands.tsv");
    if (rows.isEmpty())
        GTEST_SKIP() << "no command table beside the repository";

    // Operators made of symbols cannot be keywords and are left out.
    static const QRegularExpression named(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const std::pair<const char *, const char *> columns[] = {{"OFP", "ofp_since"}, {"ARMA", "arma_since"}};
    for (const auto &[game, column] : columns) {
        QStringList expected;
        for (const auto &row : rows)
            if (!row.value(column).isEmpty() && named.match(row.value("name")).hasMatch())
                expected << row.value("name");
        const QStringList commands = get("COMMANDS", game);
        EXPECT_EQ(QSet<QString>(commands.begin(), commands.end()).size(), commands.size()) << "repeats in " << game;
        EXPECT_EQ(commands, expected) << game;
    }
}

TEST_F(DataFilesDat, WeaponsListTheirMagazines)
{
    for (const char *game : Games) {
        const QStringList weaponLines = get("INFANTRY WEAPONS", game);
        ASSERT_FALSE(weaponLines.isEmpty());
        EXPECT_FALSE(weaponLines.first().startsWith(u' ')) << "sub-entry without a weapon";

        QStringList known = get("INFANTRY MAGAZINES", game) + get("EQUIPMENT", game);
        const QSet<QString> magazines(known.begin(), known.end());
        const auto weapons = weaponsWithMagazines(weaponLines);
        QSet<QString> used;
        for (auto it = weapons.begin(); it != weapons.end(); ++it) {
            EXPECT_FALSE(it.value().isEmpty()) << game << ' ' << it.key().toStdString() << " has no magazine";
            for (const QString &m : it.value()) {
                EXPECT_TRUE(magazines.contains(m)) << game << ' ' << it.key().toStdString() << ": '"
                                                   << m.toStdString() << "'";
                used.insert(m);
            }
        }
        for (const QString &m : get("INFANTRY MAGAZINES", game))
            EXPECT_TRUE(used.contains(m)) << game << " magazine of no weapon: " << m.toStdString();
    }
}

TEST_F(DataFilesDat, UnitFilesAgreeWithDataDat)
{
    const std::pair<const char *, const char *> files[] = {{"ofp_unit.dat", "OFP"}, {"arma_unit.dat", "ARMA"}};
    const QString weaponSyntax =
        QStringLiteral("WEAPON,MAGAZINE,MAGAZINE_SIZE,SECONDARY_AMMO(opt),SECONDARY_AMMO_SIZE(opt)");
    for (const auto &[file, game] : files) {
        SCOPED_TRACE(file);
        const QString path = DataDir + file;
        const QByteArray bytes = readBytes(path);
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
        // A comment block comes first and must not be taken for a header.
        EXPECT_FALSE(bytes.startsWith('['));

        std::unique_ptr<TDatParser> parser;
        try {
            parser = std::make_unique<TDatParser>(path);
            CheckUnitData(*parser, path);
        } catch (const AppError &e) {
            FAIL() << e.message().toStdString();
        }
        ASSERT_EQ(parser->Sections.size(), 4u);
        const char *const names[] = {"PRIMARY", "SECONDARY", "HANDGUN", "EQUIPMENT"};
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(parser->Sections[s]->Name, QLatin1String(names[s]));
            EXPECT_EQ(parser->Sections[s]->Syntax, s < 3 ? weaponSyntax : QStringLiteral("ITEM,SIZE"));
            EXPECT_FALSE(parser->Sections[s]->Lines.isEmpty());
        }
        // The unit wizard enables the grenade count by this exact column name.
        EXPECT_EQ(parser->Sections[0]->GetParams(-1).value(4), QStringLiteral("SECONDARY_AMMO_SIZE(opt)"));

        const auto weapons = weaponsWithMagazines(get("INFANTRY WEAPONS", game));
        for (int s = 0; s < 3; ++s) {
            const TSection &sec = *parser->Sections[s];
            for (int i = 0; i < sec.Lines.size(); ++i) {
                const TParams f = sec.GetParams(i);
                ASSERT_TRUE(weapons.contains(f[0])) << "unknown weapon " << f[0].toStdString();
                const QStringList &mags = weapons[f[0]];
                EXPECT_TRUE(mags.contains(f[1])) << f[0].toStdString() << " does not take " << f[1].toStdString();
                if (f.size() > 3) {
                    EXPECT_TRUE(mags.contains(f[3])) << f[0].toStdString() << " does not take " << f[3].toStdString();
                }
                EXPECT_GE(f[2].toInt(), 1);
            }
        }
        const QStringList equipment = get("EQUIPMENT", game);
        const TSection &eq = *parser->Sections[3];
        for (int i = 0; i < eq.Lines.size(); ++i)
            EXPECT_TRUE(equipment.contains(eq.GetName(i))) << "unknown item " << eq.GetName(i).toStdString();
    }
}

TEST(DataFiles, OfpSlotsFollowTheClassTable)
{
    const auto rows = readTable(FactsDir + "ofp_classes.tsv");
    if (rows.isEmpty())
        GTEST_SKIP() << "no class table beside the repository";
    QHash<QString, QString> slotsOf;
    for (const auto &row : rows)
        if (row.value("kind") == "magazine" || row.value("kind") == "equipment")
            slotsOf[row.value("class")] = row.value("slots");

    const QString path = DataDir + "ofp_unit.dat";
    TDatParser parser(path);
    ASSERT_GE(parser.Sections.size(), 4u);
    for (int s = 0; s < 4; ++s) {
        const TSection &sec = *parser.Sections[s];
        for (int i = 0; i < sec.Lines.size(); ++i) {
            const TParams f = sec.GetParams(i);
            // Pairs of class and slot count: (1, 2) and (3, 4) for weapons, (0, 1) for equipment.
            for (int k = (s == 3 ? 0 : 1); k + 1 < f.size(); k += 2)
                EXPECT_EQ(f[k + 1], slotsOf.value(f[k], QStringLiteral("<not in table>"))) << sec.Lines[i].toStdString();
        }
    }
}

TEST(DataFiles, Templates)
{
    const QDir dir(QStringLiteral(VELMORA_SOURCE_DIR "/data/templates"));
    const QStringList names = dir.entryList({QStringLiteral("*.sqs")}, QDir::Files);
    EXPECT_GE(names.size(), 4);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readBytes(dir.filePath(name));
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
        EXPECT_TRUE(bytes.startsWith(';')) << "a template opens with a comment saying what it does";
        // Inserted as they are: a byte-order mark would land in the script as text.
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
        // Every label that a goto names exists.
        const QStringList lines = Cp1251::decode(bytes).split(QStringLiteral("\r\n"));
        static const QRegularExpression gotoRe(QStringLiteral("goto \"(\\w+)\""));
        for (const QString &l : lines) {
            if (l.startsWith(u';'))
                continue;
            for (auto m = gotoRe.globalMatch(l); m.hasNext();) {
                const QString label = m.next().captured(1);
                EXPECT_TRUE(lines.contains(u'#' + label)) << "no label " << label.toStdString();
            }
        }
    }
}
