// The command help cards in data/cmd: one for every command of data.dat, seven lines each.
#include "gamedata/GameDataFile.h"
#include "text/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kDataDir = QStringLiteral(VELMORA_SOURCE_DIR "/data/");

QStringList commandsOf(const QStringList &lines, const char *game)
{
    return GameDataFile::entries(GameDataFile::readSection(lines, QStringLiteral("[COMMANDS %1]").arg(game)));
}

} // namespace

TEST(HelpCards, EveryCommandHasASevenLineCardOfItsOwn)
{
    const QStringList lines = GameDataFile::loadLines(kDataDir + "data.dat");
    const QStringList ofp = commandsOf(lines, "OFP"), arma = commandsOf(lines, "ARMA");
    ASSERT_FALSE(ofp.isEmpty());
    ASSERT_FALSE(arma.isEmpty());
    const QSet<QString> all = QSet<QString>(ofp.begin(), ofp.end()) + QSet<QString>(arma.begin(), arma.end());

    QHash<QString, QString> descriptions; // description -> command, to find twins
    for (const QString &command : all) {
        QFile file(kDataDir + "cmd/" + command + ".txt");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no card for " << command.toStdString();
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.endsWith("\r\n")) << command.toStdString();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << command.toStdString() << ": bare LF";
        const QStringList card = Cp1251::decode(bytes).split(QStringLiteral("\r\n"));
        ASSERT_EQ(card.size(), 8) << command.toStdString() << ": seven lines and the final break";
        EXPECT_EQ(card[0], command);
        const QString games = ofp.contains(command) && arma.contains(command) ? QStringLiteral("OFP, ArmA")
                              : ofp.contains(command)                        ? QStringLiteral("OFP")
                                                                              : QStringLiteral("ArmA");
        EXPECT_EQ(card[1], games) << command.toStdString();
        for (int i = 2; i < 7; ++i)
            EXPECT_FALSE(card[i].trimmed().isEmpty()) << command.toStdString() << " line " << i;
        EXPECT_TRUE(card[3].contains(command, Qt::CaseInsensitive)) << command.toStdString() << ": syntax";
        const QString twin = descriptions.value(card[6]);
        EXPECT_TRUE(twin.isEmpty()) << command.toStdString() << " and " << twin.toStdString() << " share a description";
        descriptions.insert(card[6], command);
    }
    // No card of a command the data file does not know.
    const QStringList files = QDir(kDataDir + "cmd").entryList({"*.txt"}, QDir::Files);
    EXPECT_EQ(files.size(), all.size());
}
