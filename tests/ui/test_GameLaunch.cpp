// F9 and the run button, the game's clipboard file and the external formatter.
#include "AppFixture.h"

#include "platform/UserName.h"
#include "platform/WindowFinder.h"

#include <dlfcn.h>

class GameLaunch : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        savedPath = qgetenv("PATH");
        qputenv("PATH", path("bin").toUtf8()); // no wine unless a test puts one there
        UserName::setOverride("anna");
        WindowFinder::setHandlers([this](const QString &title) { searched.append(title); return foundWindow; },
                                  [this](WindowFinder::WindowId id) { restored.append(id); });
        Launcher::setHandler([this](const Launcher::Request &r) {
            requests.push_back(r);
            return launchWorks;
        });
        start();
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        qputenv("PATH", savedPath);
        UserName::setOverride({});
        WindowFinder::setHandlers(nullptr, nullptr);
    }
    bool clipboardMenuEnabled()
    {
        emit menu(kToolsMenu)->aboutToShow();
        return menu(kClipboardMenu)->menuAction()->isEnabled();
    }
    void setOfpPath(const QString &exe)
    {
        mainWindow()->settings().change([&exe](EditorSettings &s) { s.ofpExePath = exe; });
    }

    QByteArray savedPath;
    QStringList searched;
    QList<WindowFinder::WindowId> restored;
    std::vector<Launcher::Request> requests;
    WindowFinder::WindowId foundWindow = 0;
    bool launchWorks = true;
};

TEST_F(GameLaunch, ARunningGameIsBroughtUpAfterTheSaveRatherThanStarted)
{
    mainWindow()->settings().change([](EditorSettings &s) { s.saveBeforeRun = true; });
    put("mission.sqs", "");
    ASSERT_TRUE(mainWindow()->loadFile(path("mission.sqs")));
    type("hint \"x\"");
    foundWindow = 77;
    action(kRunGame)->trigger();
    EXPECT_EQ(searched, QStringList({"Operation Flashpoint"}));
    EXPECT_EQ(restored, QList<WindowFinder::WindowId>({77}));
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(bytes("mission.sqs"), QByteArray("hint \"x\""));
    action("ArmA1")->trigger(); // a new text: Save As is offered and cancelled, the game still comes up
    action(kNew)->trigger();
    type("x");
    action("RunBTN")->trigger();
    EXPECT_EQ(searched, QStringList({"Operation Flashpoint", "ArmA"}));
    EXPECT_EQ(restored.size(), 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GameLaunch, TheExecutableStartsInItsFolderThroughWineWhenInstalled)
{
    put("Games/OFP/FlashpointResistance.exe", "MZ");
    setOfpPath(path("Games/OFP/FlashpointResistance.exe"));
    action(kRunGame)->trigger();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].program, path("Games/OFP/FlashpointResistance.exe"));
    EXPECT_EQ(requests[0].arguments, QStringList({"-nosplash"}));
    EXPECT_EQ(requests[0].workingDir, path("Games/OFP"));
    put("bin/wine", "#!/bin/sh\n");
    QFile::setPermissions(path("bin/wine"), QFile::ReadOwner | QFile::ExeOwner);
    action(kRunGame)->trigger();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].program, path("bin/wine"));
    EXPECT_EQ(requests[1].arguments, QStringList({path("Games/OFP/FlashpointResistance.exe"), "-nosplash"}));
    launchWorks = false;
    action(kRunGame)->trigger();
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).startsWith("Не удалось запустить игру"));
}

TEST_F(GameLaunch, AMissingExecutableSendsTheUserToTheSettings)
{
    for (const QString &exe : {QString(), path("missing.exe"), path(".")}) {
        setOfpPath(exe);
        action(kRunGame)->trigger();
        EXPECT_EQ(onlyMessage(Dialogs::Kind::Error),
                  QString("Невозможно найти exe файл игры.\nУстановите необходимые параметры в опциях"));
    }
    EXPECT_TRUE(requests.empty());
}

TEST_F(GameLaunch, TheClipboardFileIsTheCurrentGames)
{
    EXPECT_FALSE(clipboardMenuEnabled()); // no OFP path: no file, whatever the current folder holds
    setOfpPath(path("ofp/ofp.exe"));
    EXPECT_FALSE(clipboardMenuEnabled());
    action(kCopyClipboardFile)->trigger();
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Error), "Ошибка!\nФайл \"" + path("ofp/clipboard.txt") + "\" не найден");
    put("ofp/clipboard.txt", QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2 hint", 11) + '\0' + "tail");
    EXPECT_TRUE(clipboardMenuEnabled());
    action(kCopyClipboardFile)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("Привет hint"));
    action(kOpenClipboardFile)->trigger();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].url, QUrl::fromLocalFile(path("ofp/clipboard.txt")));
    action("ArmA1")->trigger();
    EXPECT_FALSE(clipboardMenuEnabled()); // the OFP file is not ArmA's
    put("WINEPREFIX/drive_c/users/anna/Local Settings/Application Data/ArmA/clipboard.txt", "");
    EXPECT_TRUE(clipboardMenuEnabled());
    action(kCopyClipboardFile)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
    EXPECT_TRUE(messages.empty());
}

class Formatter : public GameLaunch
{
protected:
    void TearDown() override
    {
        if (library)
            dlclose(library);
        GameLaunch::TearDown();
    }
    // The test library under the real export names, beside the program; `withRelease` false
    // leaves the release export under its stand-in name. The test keeps it loaded to read its counters.
    void installFormatter(bool withRelease = true)
    {
        QByteArray lib = loadFileToString(TEST_FORMATTER);
        lib.replace("?butoFormat%Ppcit1", "@AutoFormat$qpcit1");
        if (withRelease)
            lib.replace("?eeleteArray%Ppc", "@DeleteArray$qpc");
        put("autoformat.so", lib);
        library = dlopen(path("autoformat.so").toUtf8().constData(), RTLD_NOW);
        ASSERT_TRUE(library) << dlerror();
    }
    int released() const { return *static_cast<int *>(dlsym(library, "velmoraTestReleased")); }
    void sqf()
    {
        mainWindow()->setCommentStyle(false);
        emit menu(kEditMenu)->aboutToShow();
        emit menu(kFormatMenu)->aboutToShow();
    }

    void *library = nullptr;
};

TEST_F(Formatter, OfferedInTheCStyleTheSelectionsItemOnASelection)
{
    installFormatter();
    emit menu(kEditMenu)->aboutToShow();
    EXPECT_FALSE(menu(kFormatMenu)->menuAction()->isEnabled());
    sqf();
    EXPECT_TRUE(menu(kFormatMenu)->menuAction()->isEnabled());
    EXPECT_FALSE(action(kFormatSelection)->isEnabled());
    type("a");
    editor()->selectAll();
    emit menu(kFormatMenu)->aboutToShow();
    EXPECT_TRUE(action(kFormatSelection)->isEnabled());
}

TEST_F(Formatter, FormatsTheTextOrTheSelectionAsOneUndoStep)
{
    installFormatter();
    mainWindow()->setEditorText("if (a) then {\r\nb\r\n};");
    sqf();
    action(kFormatAll)->trigger();
    EXPECT_EQ(text(), QString("\tif (a) then {\r\n\tb\r\n\t};"));
    EXPECT_EQ(QString(static_cast<const char *>(dlsym(library, "velmoraTestIndent"))), QString("\t"));
    EXPECT_EQ(released(), 1);
    editor()->undo();
    EXPECT_EQ(text(), QString("if (a) then {\r\nb\r\n};"));
    editor()->setSelection(1, 0, 2, 0); // "b" and its line break
    sqf();
    action(kFormatSelection)->trigger();
    EXPECT_EQ(text(), QString("if (a) then {\r\n\tb\r\n\t};"));
    EXPECT_EQ(released(), 2);
    editor()->undo();
    EXPECT_EQ(text(), QString("if (a) then {\r\nb\r\n};"));
    EXPECT_TRUE(messages.empty());
}

// The library checks the length it is given against the text.
TEST_F(Formatter, TheTextGoesToTheFormatterUpToItsFirstNul)
{
    installFormatter();
    editor()->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 5L, "ab\0cd");
    sqf();
    action(kFormatAll)->trigger();
    EXPECT_EQ(text(), QString("\tab"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Formatter, FailuresNameTheLibraryAndLeaveTheText)
{
    const struct { bool library, release; const char *typed, *message; } cases[] = {
        {false, true, "a", "Невозможно загрузить библиотеку autoformat.so"},
        {true, false, "a", "Ошибка нахождения точек входа в процедуры библиотеки autoformat.so"},
        {true, true, "null", "Библиотека autoformat.so не вернула текст. Текст не изменен."},
    };
    for (const auto &c : cases) {
        if (library)
            dlclose(library);
        library = nullptr;
        QFile::remove(path("autoformat.so"));
        if (c.library)
            installFormatter(c.release);
        mainWindow()->setEditorText(c.typed);
        sqf();
        action(kFormatAll)->trigger();
        EXPECT_EQ(text(), QString(c.typed));
        EXPECT_EQ(onlyMessage(Dialogs::Kind::Error), QString(c.message));
        EXPECT_TRUE(!library || released() == 0);
    }
}
