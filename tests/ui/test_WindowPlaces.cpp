// Where each window stands when it is shown: centred on the desktop, on the main window or on the
// window that asked for it, or at a place of its own; always wholly on the screen; and the same at
// a later showing as at the first.
#include "AppFixture.h"

#include "common/WindowPosition.h"

class WindowPlaces : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        start();
        mainWindow()->setGeometry(40, 60, 500, 380);
        mainWindow()->show();
    }
    static QRect desktop() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    // Centred on `area` along each axis where the window fits the screen; at the screen's edge
    // along an axis where it does not.
    static void expectCentred(const QWidget *window, const QRect &area, const char *what)
    {
        const QRect frame = window->frameGeometry();
        const bool fitsAcross = frame.width() <= desktop().width(), fitsDown = frame.height() <= desktop().height();
        EXPECT_NEAR(fitsAcross ? frame.center().x() : frame.left(), fitsAcross ? area.center().x() : desktop().left(),
                    fitsAcross ? 1 : 0) << what;
        EXPECT_NEAR(fitsDown ? frame.center().y() : frame.top(), fitsDown ? area.center().y() : desktop().top(),
                    fitsDown ? 1 : 0) << what;
    }
    static void expectOnScreen(const QWidget *window, const char *what)
    {
        const QRect frame = window->frameGeometry();
        EXPECT_GE(frame.left(), desktop().left()) << what;
        EXPECT_GE(frame.top(), desktop().top()) << what;
        EXPECT_TRUE(frame.width() > desktop().width() || frame.right() <= desktop().right()) << what;
        EXPECT_TRUE(frame.height() > desktop().height() || frame.bottom() <= desktop().bottom()) << what;
    }
};

TEST_F(WindowPlaces, EachLaunchedWindowIsCentredOnItsAreaAtEveryShowing)
{
    const std::tuple<const char *, const char *, bool> rows[] = { // the launcher, the window, over the main window
        {kUnitWizard, kUnitWindow, false},
        {kDescriptionWizard, kDescriptionWindow, false},
        {"Stringtable1", kStringtableWindow, false},
        {kBriefingWizard, kBriefingWindow, false},
        {kSettings, kSettingsWindow, false},
        {kOverviewWizard, kOverviewWindow, true},
        {kGoToLine, kGoToLineWindow, true},
        {kShortcuts, kShortcutsWindow, true},
        {kAbout, kAboutWindow, true},
    };
    for (const auto &[launcher, name, overMain] : rows) {
        auto *window = find<QDialog>(name);
        for (const QPoint mainAt : {QPoint(40, 60), QPoint(180, 120)}) { // a first showing, then a later one
            mainWindow()->move(mainAt);
            action(launcher)->trigger();
            ASSERT_TRUE(window->isVisible()) << name;
            expectCentred(window, overMain ? mainWindow()->frameGeometry() : desktop(), name);
            expectOnScreen(window, name);
            window->hide();
        }
    }
}

TEST_F(WindowPlaces, TheFileTypesWindowIsCentredOnTheMainWindow)
{
    action(kSettings)->trigger();
    press(find(kSettingsWindow), kSettingsFileTypes);
    const auto *fileTypes = find<QDialog>(kFileTypesWindow);
    ASSERT_TRUE(fileTypes->isVisible());
    expectCentred(fileTypes, mainWindow()->frameGeometry(), kFileTypesWindow);
}

TEST_F(WindowPlaces, TheInitLineIsCentredOnTheWizardThatAskedForIt)
{
    action(kUnitWizard)->trigger();
    auto *unit = find<QDialog>(kUnitWindow);
    unit->move(desktop().topLeft());
    press(unit, "GenInit");
    const auto *initLine = find<QDialog>(kInitLineWindow);
    ASSERT_TRUE(initLine->isVisible());
    expectCentred(initLine, unit->frameGeometry(), kInitLineWindow);
    expectOnScreen(initLine, kInitLineWindow);
}

// The crate wizard and the stringtable row dialog have places of their own, the same at each showing.
TEST_F(WindowPlaces, WindowsWithAPlaceOfTheirOwnStandThereWhollyOnTheScreen)
{
    auto *crate = find<QDialog>(kCrateWindow);
    QList<QPoint> cratePlaces;
    for (int showing = 0; showing < 2; ++showing) {
        action(kCrateWizard)->trigger();
        expectOnScreen(crate, kCrateWindow);
        cratePlaces << crate->pos();
        crate->move(desktop().bottomRight()); // moved by the user, then closed
        crate->hide();
    }
    EXPECT_EQ(cratePlaces.value(0), cratePlaces.value(1));
    action("Stringtable1")->trigger();
    QWidget *row = nullptr;
    ModalDialogs::setConfirmHandler([&](QDialog &dialog) {
        row = &dialog;
        expectOnScreen(&dialog, "the row dialog");
        return false;
    });
    press(find(kStringtableWindow), kStringtableAddRow);
    EXPECT_NE(row, nullptr);
}

// Before the desktop has framed a window its frame is not known, and moving it would put its
// client area where its frame belongs: its title bar would stand above the screen.
TEST_F(WindowPlaces, AWindowNotYetFramedLeavesRoomForItsExpectedFrame)
{
    QDialog window;
    window.resize(200, 100);
    const QRect screen(0, 0, 800, 600);
    const QMargins frame(4, 24, 4, 4);
    WindowPosition::centre(&window, screen, screen, frame);
    EXPECT_EQ(window.geometry().topLeft(), screen.center() - QPoint(208 / 2, 128 / 2) + QPoint(4, 24));
    WindowPosition::putAt(&window, QPoint(-50, -50), screen, frame);
    EXPECT_EQ(window.geometry().topLeft(), QPoint(4, 24));
}
