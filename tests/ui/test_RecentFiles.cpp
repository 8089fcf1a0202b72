// The recent-files list under "Открыть снова": loading, order, the menu, a vanished file, saving.
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
    QStringList captions() const
    {
        QStringList out;
        for (const QAction *item : menu("N88")->actions())
            out.append(item->text());
        return out;
    }
    void choose(int index) const { menu("N88")->actions()[index]->trigger(); }
};

TEST_F(RecentFilesMenu, LoadingStopsAtTheFirstEmptyKey)
{
    writeList({path("a.sqs"), path("b.sqf"), "", path("d.sqs")});
    start();
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("a.sqs"), path("b.sqf")}));
    EXPECT_EQ(captions(), QStringList({"&1  a.sqs", "&2  b.sqf"}));
    EXPECT_TRUE(menu("N88")->menuAction()->isEnabled());
    EXPECT_TRUE(menu("N88")->isEnabled());
    mainWindow()->recentFiles()->setShowFullPath(true);
    EXPECT_EQ(captions().value(1), "&2  " + path("b.sqf"));
}

TEST_F(RecentFilesMenu, AddingMovesToTheTopAndKeepsEight)
{
    start();
    EXPECT_FALSE(menu("N88")->menuAction()->isEnabled());
    for (int i = 1; i <= 9; ++i)
        mainWindow()->recentFiles()->addFile(path(QStringLiteral("f%1.sqs").arg(i)));
    ASSERT_EQ(mainWindow()->recentFiles()->files().size(), 8);
    EXPECT_EQ(mainWindow()->recentFiles()->files().first(), path("f9.sqs"));
    EXPECT_EQ(mainWindow()->recentFiles()->files().last(), path("f2.sqs")); // the oldest went

    const QList<QAction *> items = menu("N88")->actions();
    mainWindow()->recentFiles()->addFile(path("f9.sqs")); // already first: the menu stays as it is
    EXPECT_EQ(menu("N88")->actions(), items);
    mainWindow()->recentFiles()->addFile(path("f5.sqs"));
    EXPECT_EQ(mainWindow()->recentFiles()->files().mid(0, 3), QStringList({path("f5.sqs"), path("f9.sqs"), path("f8.sqs")}));
    EXPECT_EQ(mainWindow()->recentFiles()->files().size(), 8);
    EXPECT_EQ(captions().first(), QString("&1  f5.sqs"));
    EXPECT_EQ(captions().last(), QString("&8  f2.sqs"));

    windows.reset(); // the list is written when the window goes
    const IniFile ini(configPath());
    EXPECT_EQ(ini.readString("MRU List", "1", ""), path("f5.sqs"));
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
    EXPECT_EQ(ProgramState::currentFileName, path("cmd.sqs"));
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("cmd.sqs"), path("b.sqs"), path("a.sqf")}));

    choose(2);
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("a.sqf"), path("cmd.sqs"), path("b.sqs")}));
    EXPECT_EQ(text(), QString("a.sqf"));
    EXPECT_EQ(ProgramState::currentFileName, path("a.sqf"));
    EXPECT_FALSE(ProgramState::sqsCommentMode);

    // Cancel at the save question: the text stays, though the entry has moved up.
    type("typed ");
    answers = {Dialogs::Answer::Cancel};
    choose(2);
    EXPECT_EQ(mainWindow()->recentFiles()->files().first(), path("b.sqs"));
    EXPECT_EQ(text(), QString("typed a.sqf"));
}

TEST_F(RecentFilesMenu, AVanishedFileIsReportedAndRemoved)
{
    touch("here.sqs");
    writeList({path("gone.sqs"), path("here.sqs")});
    Dialogs::setApplicationTitle("Velmora");
    start();
    choose(0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(messages[0].caption, QString("Velmora")); // the application title
    EXPECT_EQ(messages[0].text, "The file ...\n\"" + path("gone.sqs") + "\"\nno longer exists.");
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("here.sqs")}));
    EXPECT_EQ(captions(), QStringList({"&1  here.sqs"}));
    EXPECT_TRUE(text().isEmpty());
    choose(0);
    EXPECT_EQ(text(), QString("here.sqs"));
    QFile::remove(path("here.sqs")); // the last one goes too: an empty menu is disabled
    choose(0);
    EXPECT_TRUE(mainWindow()->recentFiles()->files().isEmpty());
    EXPECT_FALSE(menu("N88")->isEnabled());
    EXPECT_FALSE(menu("N88")->menuAction()->isEnabled());
}
