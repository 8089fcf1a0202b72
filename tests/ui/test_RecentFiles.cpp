// The recent-files menu under "Открыть снова": captions, choosing, a vanished file, saving.
#include "AppFixture.h"

#include "editor/RecentFiles.h"
#include "settings/IniFile.h"

class RecentFilesMenu : public AppFixture
{
protected:
    void writeList(const QStringList &values)
    {
        QByteArray text = "[MRU List]\r\n";
        for (int i = 0; i < values.size(); ++i)
            text += QByteArray::number(i + 1) + '=' + values[i].toUtf8() + "\r\n";
        writeConfig(text);
    }
    void touch(const QString &name) { put(name, name.toUtf8()); }
    void choose(int index) const { menuItem(kRecentMenu, index)->trigger(); }
};

// The list's order, its limit and its stored form are the core tests' (RecentFileList).
TEST_F(RecentFilesMenu, TheMenuNumbersTheFilesByNameOrFullPath)
{
    writeList({path("a.sqs"), path("b.sqf")});
    start();
    EXPECT_EQ(menuTexts(kRecentMenu), QStringList({"&1  a.sqs", "&2  b.sqf"}));
    EXPECT_TRUE(menu(kRecentMenu)->isEnabled());
    mainWindow()->recentFiles()->setShowFullPath(true);
    EXPECT_EQ(menuTexts(kRecentMenu).value(1), "&2  " + path("b.sqf"));
}

TEST_F(RecentFilesMenu, TheWindowKeepsTheLatestEightFilesInConfigIni)
{
    start();
    for (int i = 1; i <= 9; ++i)
        mainWindow()->recentFiles()->addFile(path(QStringLiteral("f%1.sqs").arg(i)));
    ASSERT_EQ(mainWindow()->recentFiles()->files().size(), 8);
    EXPECT_EQ(menuTexts(kRecentMenu).value(0), QString("&1  f9.sqs"));
    EXPECT_EQ(menuTexts(kRecentMenu).value(7), QString("&8  f2.sqs"));
    windows.reset(); // the list is written when the window goes
    const IniFile ini(configPath());
    EXPECT_EQ(ini.readString("MRU List", "1", ""), path("f9.sqs"));
    EXPECT_EQ(ini.readString("MRU List", "8", ""), path("f2.sqs"));
}

TEST_F(RecentFilesMenu, ChoosingAFileMovesItUpAndOpensIt)
{
    touch("a.sqf");
    touch("b.sqs");
    touch("cmd.sqs");
    writeList({path("b.sqs"), path("a.sqf")});
    QDir::setCurrent(dir.path());
    start({"cmd.sqs"}); // relative to where the program was started; it goes on top
    EXPECT_EQ(mainWindow()->document().path(), path("cmd.sqs"));
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("cmd.sqs"), path("b.sqs"), path("a.sqf")}));
    choose(2);
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("a.sqf"), path("cmd.sqs"), path("b.sqs")}));
    EXPECT_EQ(text(), QString("a.sqf"));
    EXPECT_EQ(mainWindow()->document().path(), path("a.sqf"));
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    // Cancel at the save question: the text stays, though the entry has moved up.
    type("typed ");
    answers = {Dialogs::Answer::Cancel};
    choose(2);
    EXPECT_EQ(mainWindow()->recentFiles()->files().value(0), path("b.sqs"));
    EXPECT_EQ(text(), QString("typed a.sqf"));
}

TEST_F(RecentFilesMenu, AVanishedFileIsReportedAndRemoved)
{
    touch("here.sqs");
    writeList({path("gone.sqs"), path("here.sqs")});
    start();
    choose(0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QString("Velmora")); // the application title
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Information), "The file ...\n\"" + path("gone.sqs") + "\"\nno longer exists.");
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("here.sqs")}));
    EXPECT_EQ(menuTexts(kRecentMenu), QStringList({"&1  here.sqs"}));
    EXPECT_TRUE(text().isEmpty());
    choose(0);
    EXPECT_EQ(text(), QString("here.sqs"));
    QFile::remove(path("here.sqs")); // the last one goes too: an empty menu takes no clicks
    choose(0);
    EXPECT_TRUE(mainWindow()->recentFiles()->files().isEmpty());
    EXPECT_FALSE(menu(kRecentMenu)->isEnabled());
}
