// Panels 0 to 7 of the status bar as the program falls idle, and the memory load's source.
#include "EditorSteps.h"

#include "platform/KeyState.h"
#include "platform/MemoryLoad.h"

class StatusPanels : public EditorSteps
{
protected:
    void TearDown() override
    {
        for (KeyState::Key key : {KeyState::Key::CapsLock, KeyState::Key::NumLock, KeyState::Key::ScrollLock})
            KeyState::setOverride(key, -1);
        MemoryLoad::setMeminfoPath({});
        EditorSteps::TearDown();
    }
    QString panel(int index) const { return mainWindow()->statusPanels()->panelText(index); }
    // Lets the event loop run dry and wait, as the program does between the user's actions.
    static void idle()
    {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

// -1: no load can be told; an unreadable file gives 0.
TEST_F(StatusPanels, TheMemoryLoadIsReadFromMeminfo)
{
    const std::pair<const char *, int> loads[] = {
        {"MemTotal:       1000 kB\nMemFree: 1 kB\nMemAvailable:    630 kB\n", 37},
        {"MemAvailable: 0 kB\nMemTotal: 8 kB\n", 100},
        {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", -1},
        {"MemTotal: 100 kB\n", -1},
        {"MemTotalx: 100 kB\nMemAvailable: 1 kB\n", -1},
    };
    for (const auto &[text, percent] : loads)
        EXPECT_EQ(MemoryLoad::percentFromMeminfo(text), percent) << text;
    EXPECT_GE(MemoryLoad::percent(), 0);
    MemoryLoad::setMeminfoPath("/nonexistent/meminfo");
    EXPECT_EQ(MemoryLoad::percent(), 0);
}

TEST_F(StatusPanels, ThePanelsAreRefreshedWhenTheProgramFallsIdle)
{
    put("meminfo", "MemTotal: 1000 kB\nMemAvailable: 630 kB\n");
    MemoryLoad::setMeminfoPath(path("meminfo"));
    KeyState::setOverride(KeyState::Key::CapsLock, 1);
    KeyState::setOverride(KeyState::Key::NumLock, 0);
    KeyState::setOverride(KeyState::Key::ScrollLock, 1);
    setText(numberedLines(u"строка %1"_qs, 1, 12) + "\r\n");
    caretOn(12, 4);
    editor()->setOverwriteMode(true);
    idle();
    EXPECT_EQ(panel(0), QString("  12:5"));
    EXPECT_EQ(panel(1), QString("  CAP"));
    EXPECT_EQ(panel(2), QString("   "));
    EXPECT_EQ(panel(3), QString("  SCRL"));
    EXPECT_EQ(panel(4), u"  Замена"_qs);
    EXPECT_TRUE(panel(5).startsWith("  ") && panel(5).size() > 4) << panel(5).toStdString();
    EXPECT_EQ(panel(6), u"  Память загружена на 37 %"_qs);
    EXPECT_TRUE(panel(7).endsWith(u"% просмотрено"_qs));
    EXPECT_EQ(gamePanel(), QString("OFP"));
    editor()->setOverwriteMode(false);
    KeyState::setOverride(KeyState::Key::CapsLock, 0);
    mainWindow()->setEditorText({});
    idle();
    EXPECT_EQ(panel(0), QString("  1:1"));
    EXPECT_EQ(panel(1), QString("   "));
    EXPECT_EQ(panel(4), u"  Вставка"_qs);
    EXPECT_EQ(panel(7), u"0% просмотрено"_qs);
}
