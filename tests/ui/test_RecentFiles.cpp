// The recent-files list under "Открыть снова": loading, order, the menu, a vanished file, saving.
#include "AppFixture.h"

#include "mainwindow/MruUnit.h"
#include "settings/IniFile.h"

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList out;
    for (const QAction *item : menu->actions())
        out.append(item->text());
    return out;
}

} // namespace

class RecentFiles : public AppFixture
{
protected:
    void writeList(const QStringList &values)
    {
        QByteArray text = "[MRU List]\r\n";
        for (int i = 0; i < values.size(); ++i)
            text += QByteArray::number(i + 1) + '=' + values[i].toUtf8() + "\r\n";
        writeConfig(text);
    }
    void touch(const QString &name) { SaveTextToFile(name.toUtf8(), path(name)); }
};

TEST_F(RecentFiles, LoadingStopsAtTheFirstEmptyKey)
{
    writeList({path("a.sqs"), path("b.sqf"), "", path("d.sqs")});
    start();
    EXPECT_EQ(MRU->files(), QStringList({path("a.sqs"), path("b.sqf")}));
    EXPECT_EQ(captions(Form1->N88), QStringList({"&1  a.sqs", "&2  b.sqf"}));
    EXPECT_TRUE(Form1->N88->menuAction()->isEnabled());
    EXPECT_TRUE(Form1->N88->isEnabled());
    MRU->setShowFullPath(true);
    EXPECT_EQ(captions(Form1->N88).value(1), "&2  " + path("b.sqf"));
}

TEST_F(RecentFiles, AddingMovesToTheTopAndKeepsEight)
{
    start();
    EXPECT_FALSE(Form1->N88->menuAction()->isEnabled());
    for (int i = 1; i <= 9; ++i)
        MRU->AddFile(path(QStringLiteral("f%1.sqs").arg(i)));
    ASSERT_EQ(MRU->files().size(), 8);
    EXPECT_EQ(MRU->files().first(), path("f9.sqs"));
    EXPECT_EQ(MRU->files().last(), path("f2.sqs")); // the oldest went

    const QList<QAction *> items = Form1->N88->actions();
    MRU->AddFile(path("f9.sqs")); // already first: the menu stays as it is
    EXPECT_EQ(Form1->N88->actions(), items);
    MRU->AddFile(path("f5.sqs"));
    EXPECT_EQ(MRU->files().mid(0, 3), QStringList({path("f5.sqs"), path("f9.sqs"), path("f8.sqs")}));
    EXPECT_EQ(MRU->files().size(), 8);
    EXPECT_EQ(captions(Form1->N88).first(), QString("&1  f5.sqs"));
    EXPECT_EQ(captions(Form1->N88).last(), QString("&8  f2.sqs"));

    windows.reset(); // the list is written when the window goes
    const IniFile ini(configPath());
    EXPECT_EQ(ini.readString("MRU List", "1", ""), path("f5.sqs"));
    EXPECT_EQ(ini.readString("MRU List", "8", ""), path("f2.sqs"));
}

TEST_F(RecentFiles, ChoosingAFileMovesItUpAndOpensIt)
{
    touch("a.sqf");
    touch("b.sqs");
    writeList({path("b.sqs"), path("a.sqf")});
    start();
    Form1->N88->actions()[1]->trigger();
    EXPECT_EQ(MRU->files(), QStringList({path("a.sqf"), path("b.sqs")}));
    EXPECT_EQ(Form1->editorText(), QString("a.sqf"));
    EXPECT_EQ(CurrentFileName, path("a.sqf"));
    EXPECT_FALSE(SQSCommentMode);

    // Cancel at the save question: the text stays, though the entry has moved up.
    Form1->SynEdit1->insert("typed ");
    answers = {Dialogs::Answer::Cancel};
    Form1->N88->actions()[1]->trigger();
    EXPECT_EQ(MRU->files().first(), path("b.sqs"));
    EXPECT_EQ(Form1->editorText(), QString("typed a.sqf"));
}

TEST_F(RecentFiles, AVanishedFileIsReportedAndRemoved)
{
    touch("here.sqs");
    writeList({path("gone.sqs"), path("here.sqs")});
    QApplication::setApplicationDisplayName("Velmora");
    start();
    Form1->N88->actions()[0]->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(messages[0].caption, QString("Velmora")); // the application title
    EXPECT_EQ(messages[0].text, "The file ...\n\"" + path("gone.sqs") + "\"\nno longer exists.");
    EXPECT_EQ(MRU->files(), QStringList({path("here.sqs")}));
    EXPECT_EQ(captions(Form1->N88), QStringList({"&1  here.sqs"}));
    EXPECT_TRUE(Form1->editorText().isEmpty());
    Form1->N88->actions()[0]->trigger();
    EXPECT_EQ(Form1->editorText(), QString("here.sqs"));
    QFile::remove(path("here.sqs")); // the last one goes too: an empty menu is disabled
    Form1->N88->actions()[0]->trigger();
    EXPECT_TRUE(MRU->files().isEmpty());
    EXPECT_FALSE(Form1->N88->isEnabled());
    EXPECT_FALSE(Form1->N88->menuAction()->isEnabled());
}

TEST_F(RecentFiles, TheCommandLineFileGoesOnTop)
{
    touch("cmd.sqs");
    writeList({path("old.sqs")});
    QDir::setCurrent(dir.path());
    start({"cmd.sqs"}); // relative to where the program was started
    EXPECT_EQ(CurrentFileName, path("cmd.sqs"));
    EXPECT_EQ(MRU->files(), QStringList({path("cmd.sqs"), path("old.sqs")}));
}
