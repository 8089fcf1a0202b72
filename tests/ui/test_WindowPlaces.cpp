// Where each window stands when it is shown: centred on the desktop, on the main window or on the
// window that asked for it, or at a place of its own; always wholly on the screen; and the same at
// a later showing as at the first.
#include "AppFixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QScreen>

class WindowPlaces : public AppFixture
{
protected:
    enum class Over { Desktop, MainWindow };

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
        const QRect screen = desktop();
        if (frame.width() <= screen.width()) {
            EXPECT_NEAR(frame.center().x(), area.center().x(), 1) << what;
        } else {
            EXPECT_EQ(frame.left(), screen.left()) << what;
        }
        if (frame.height() <= screen.height()) {
            EXPECT_NEAR(frame.center().y(), area.center().y(), 1) << what;
        } else {
            EXPECT_EQ(frame.top(), screen.top()) << what;
        }
    }
    static void expectOnScreen(const QWidget *window, const char *what)
    {
        const QRect frame = window->frameGeometry();
        const QRect screen = desktop();
        EXPECT_GE(frame.left(), screen.left()) << what;
        EXPECT_GE(frame.top(), screen.top()) << what;
        if (frame.width() <= screen.width()) {
            EXPECT_LE(frame.right(), screen.right()) << what;
        }
        if (frame.height() <= screen.height()) {
            EXPECT_LE(frame.bottom(), screen.bottom()) << what;
        }
    }
};

TEST_F(WindowPlaces, EachLaunchedWindowIsCentredOnItsAreaAtEveryShowing)
{
    struct Row
    {
        const char *launcher;
        const char *window;
        Over over;
    };
    const Row rows[] = {
        {"N74", "Form10", Over::Desktop},
        {"N76", "Form13", Over::Desktop},
        {"Stringtable1", "Form17", Over::Desktop},
        {"N64", "Form8", Over::Desktop},
        {"N40", "Form7", Over::Desktop},
        {"N73", "Form9", Over::MainWindow},
        {"N49", "Form4", Over::MainWindow},
        {"N51", "Form5", Over::MainWindow},
        {"N42", "aboutBox", Over::MainWindow},
    };
    for (const Row &row : rows) {
        auto *window = find<QDialog>(row.window);
        ASSERT_NE(window, nullptr) << row.window;
        for (const QPoint mainAt : {QPoint(40, 60), QPoint(180, 120)}) { // a first showing, then a later one
            mainWindow()->move(mainAt);
            action(row.launcher)->trigger();
            ASSERT_TRUE(window->isVisible()) << row.window;
            expectCentred(window, row.over == Over::Desktop ? desktop() : mainWindow()->frameGeometry(), row.window);
            expectOnScreen(window, row.window);
            window->hide();
        }
    }
}

TEST_F(WindowPlaces, TheFileTypesWindowIsCentredOnTheMainWindow)
{
    action("N40")->trigger();
    control<QAbstractButton>("Form7", "Button4")->click();
    const auto *fileTypes = find<QDialog>("Form16");
    ASSERT_NE(fileTypes, nullptr);
    ASSERT_TRUE(fileTypes->isVisible());
    expectCentred(fileTypes, mainWindow()->frameGeometry(), "Form16");
}

TEST_F(WindowPlaces, TheInitLineIsCentredOnTheWizardThatAskedForIt)
{
    action("N74")->trigger();
    auto *unit = find<QDialog>("Form10");
    ASSERT_NE(unit, nullptr);
    unit->move(desktop().topLeft());
    control<QAbstractButton>("Form10", "GenInit")->click();
    const auto *initLine = find<QDialog>("Form14");
    ASSERT_NE(initLine, nullptr);
    ASSERT_TRUE(initLine->isVisible());
    expectCentred(initLine, unit->frameGeometry(), "Form14");
    expectOnScreen(initLine, "Form14");
}

// The crate wizard and the stringtable row dialog have places of their own, the same at each showing.
TEST_F(WindowPlaces, WindowsWithAPlaceOfTheirOwnStandThereWhollyOnTheScreen)
{
    auto *crate = find<QDialog>("Form12");
    ASSERT_NE(crate, nullptr);
    QList<QPoint> cratePlaces;
    for (int showing = 0; showing < 2; ++showing) {
        action("N75")->trigger();
        expectOnScreen(crate, "Form12");
        cratePlaces << crate->pos();
        crate->move(desktop().bottomRight()); // moved by the user, then closed
        crate->hide();
    }
    EXPECT_EQ(cratePlaces.value(0), cratePlaces.value(1));

    action("Stringtable1")->trigger();
    QWidget *row = nullptr;
    ModalDialogs::setConfirmHandler([&](QDialog &dialog) {
        row = &dialog;
        expectOnScreen(&dialog, "Form18");
        return false;
    });
    control<QAbstractButton>("Form17", "Button1")->click();
    EXPECT_NE(row, nullptr);
}
