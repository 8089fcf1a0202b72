// The settings dialog against the main window's live state, its boxes, game path detection
// and the file-type registration it opens.
#include "AppFixture.h"

#include "dialogs/ColorBox.h"
#include "dialogs/HotKeyBox.h"
#include "editor/ScriptLexer.h"
#include "reference/CompletionList.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using Attr = LexerAttributes;

class SettingsDialogTest : public AppFixture
{
protected:
    using AppFixture::control;
    template <class T = QWidget>
    T *control(const char *name) const { return control<T>("Form7", name); }
    QDialog *dialog() const { return find<QDialog>("Form7"); }
    void ok() { control<QPushButton>("Button3")->click(); }
};

// The settings of the start-up test, none at its default: OK writes them back as they were.
TEST_F(SettingsDialogTest, OpeningAndOkChangesNothing)
{
    writeConfig(loadFileToString(goldenPath("second-start-config.ini")));
    start();
    action("N40")->trigger();
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(dialog()->isModal());
    ok(); // every control opened from the live state, or this would change it
    EXPECT_FALSE(dialog()->isVisible());
    ASSERT_TRUE(closeMain());
    EXPECT_TRUE(matchesGolden(writtenSettings(), "second-start-config.ini"));
    EXPECT_TRUE(messages.empty());
}

// How the comment styles trade their attributes is checked with the game mode; here OK hands the
// dialog's controls over.
TEST_F(SettingsDialogTest, OkAppliesEveryControlAndDropsUnderline)
{
    start();
    ScriptLexer &h = *mainWindow()->lexer();
    h.keyword->setStyle(Attr::Bold | Attr::Underline | Attr::StrikeOut);
    action("N40")->trigger();
    control<ColorBox>("FonC")->setSelected(Colors::clDefault);
    control<ColorBox>("COMD")->setSelected(Colors::clRed);
    control<QCheckBox>("COMDI")->setChecked(true);
    control<ColorBox>("FB")->setSelected(Colors::clLime);
    control<QLineEdit>("AApath")->setText("/games/arma.exe");
    control<QCheckBox>("SBR")->setChecked(true);
    control<QCheckBox>("TabToSp")->setChecked(true);
    control<QAbstractButton>("SQFC")->click();
    control<ColorBox>("COMM")->setSelected(Colors::clTeal);
    control<QCheckBox>("COMMB")->setChecked(true);
    control<QCheckBox>("TETXI")->setChecked(true); // "Обычный": what the other style's attributes take
    ok();
    EXPECT_EQ(mainWindow()->look().color, Colors::clDefault);
    EXPECT_EQ(h.keyword->foreground(), Colors::clRed);
    EXPECT_EQ(h.keyword->style(), Attr::Bold | Attr::Italic);
    EXPECT_EQ(mainWindow()->settings().values().bracketForeground, Colors::clLime);
    EXPECT_EQ(mainWindow()->settings().values().armaExePath, QString("/games/arma.exe"));
    EXPECT_TRUE(mainWindow()->settings().values().saveBeforeRun);
    EXPECT_FALSE(editor()->indentationsUseTabs());
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(h.blockComment->foreground(), Colors::clTeal);
    EXPECT_TRUE(h.blockComment->style().testFlag(Attr::Bold));
    EXPECT_EQ(h.sqsComment->foreground(), Colors::clNone);
    EXPECT_EQ(h.sqsComment->style(), Attr::FontStyles(Attr::Italic));
}

TEST_F(SettingsDialogTest, HotKeyBoxTakesTabAndCancelKeepsTheLiveValues)
{
    start();
    action("N40")->trigger();
    auto *box = control<HotKeyBox>("HotKey1");
    const struct { int key; Qt::KeyboardModifiers mods; int code; } keys[] = {
        {Qt::Key_Space, Qt::ControlModifier, 0x4020}, {Qt::Key_Tab, {}, 9}, {Qt::Key_Backtab, Qt::ShiftModifier, 0x2009},
        {Qt::Key_F5, Qt::AltModifier, 0x8074}, {Qt::Key_Control, Qt::ControlModifier, 0x8074},
        {Qt::Key_Backspace, {}, 0}, {Qt::Key_Space, Qt::ControlModifier, 0x4020}};
    for (const auto &k : keys) {
        QTest::keyClick(box, Qt::Key(k.key), k.mods);
        EXPECT_EQ(box->code(), k.code) << k.key;
    }
    ok();
    EXPECT_EQ(mainWindow()->completion()->shortcutCode, 0x4020);

    action("N40")->trigger();
    QTest::mouseClick(control<QLabel>("Label22"), Qt::LeftButton); // "<- Сброс"
    EXPECT_EQ(box->code(), 9);
    control<ColorBox>("FonC")->setSelected(Colors::clYellow);
    control<QLineEdit>("OFPpath")->setText("/elsewhere.exe");
    control<QRadioButton>("SQFC")->setChecked(true);
    control<QPushButton>("Button2")->click(); // cancel
    EXPECT_EQ(mainWindow()->completion()->shortcutCode, 0x4020);
    EXPECT_EQ(mainWindow()->look().color, Colors::clWindow);
    EXPECT_TRUE(mainWindow()->settings().values().ofpExePath.isEmpty());
    EXPECT_TRUE(mainWindow()->lexer()->sqsComments());
    action("N40")->trigger(); // the dialog opens again from the live values
    EXPECT_EQ(box->code(), 0x4020);
    EXPECT_EQ(control<ColorBox>("FonC")->selected(), Colors::clWindow);
}

TEST_F(SettingsDialogTest, TheFontButtonStartsFromTheLiveFontAndColourBoxesOfferNoneDefaultAndACustomColour)
{
    writeConfig("[txfont]\r\nName=DejaVu Sans Mono\r\n"); // a font the test machine has
    start();
    const QFont live = mainWindow()->look().font;
    QString offered;
    bool accept = false;
    ModalDialogs::setConfirmHandler([&](QDialog &d) {
        auto &fonts = static_cast<QFontDialog &>(d);
        offered = fonts.currentFont().family();
        fonts.setCurrentFont(QFont("DejaVu Sans", 15));
        return accept;
    });
    action("N40")->trigger();
    control<QPushButton>("Button1")->click(); // cancelled
    EXPECT_EQ(offered, live.family());
    EXPECT_EQ(control<QPushButton>("Button1")->font().family(), live.family());
    accept = true;
    control<QPushButton>("Button1")->click();
    EXPECT_EQ(control<QPushButton>("Button1")->font().family(), QString("DejaVu Sans"));
    EXPECT_EQ(mainWindow()->look().font.family(), live.family());
    ok();
    EXPECT_EQ(mainWindow()->look().font.family(), QString("DejaVu Sans"));

    // Colour boxes offer none, the default and a custom colour.
    action("N40")->trigger();
    auto *keyword = control<ColorBox>("COMD");
    EXPECT_GE(control<ColorBox>("FonC")->findText("clDefault"), 0);
    EXPECT_LT(keyword->findText("clDefault"), 0);
    EXPECT_GE(keyword->findText("clInfoBk"), 0);

    keyword->setSelected(0x00C0FFEE); // in no list: shown as the custom colour
    EXPECT_EQ(keyword->currentText(), QString("$00C0FFEE"));
    accept = true;
    ModalDialogs::setConfirmHandler([&](QDialog &d) {
        static_cast<QColorDialog &>(d).setCurrentColor(QColor(0x12, 0x34, 0x56));
        return accept;
    });
    emit keyword->activated(0);
    EXPECT_EQ(keyword->selected(), 0x563412);
    accept = false;
    emit keyword->activated(0);
    EXPECT_EQ(keyword->currentText(), QString("$00563412"));
    emit keyword->activated(keyword->findText("clTeal"));
    EXPECT_EQ(keyword->selected(), Colors::clTeal);

    // The list opens sixteen rows tall and scrolls to the rest.
    keyword->showPopup();
    const QAbstractItemView *list = keyword->view();
    const int lastRow = list->indexAt(QPoint(1, list->viewport()->height() - 1)).row();
    EXPECT_EQ(lastRow - list->indexAt(QPoint(1, 0)).row() + 1, 16);
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    keyword->hidePopup();
}

TEST_F(SettingsDialogTest, GamePathDetectionFillsTheEditOrBeepsAndFileAssociationsAreRegistered)
{
    const QString prefix = dir.filePath("WINEPREFIX");
    put("WINEPREFIX/drive_c/OFP/FlashpointResistance.exe", "MZ");
    put("WINEPREFIX/system.reg", "WINE REGISTRY Version 2\n[Software\\\\Codemasters\\\\Flashpoint Resistance] 1\n"
                                 "\"MAIN\"=\"C:\\\\OFP\"\n");
    start();
    action("N40")->trigger();
    auto *label = control<QLabel>("Label18");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label, &enter);
    EXPECT_TRUE(label->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_FALSE(label->font().underline());

    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("OFPpath")->text(), QFileInfo(prefix + "/drive_c/OFP/FlashpointResistance.exe").canonicalFilePath());
    EXPECT_TRUE(mainWindow()->settings().values().ofpExePath.isEmpty()); // taken only by OK

    control<QLineEdit>("AApath")->setText("/typed.exe");
    QTest::mouseClick(control<QLabel>("Label17"), Qt::LeftButton);
    EXPECT_EQ(newBeeps(), 1);
    EXPECT_EQ(control<QLineEdit>("AApath")->text(), QString("/typed.exe"));

    // File associations register the ticked types or name the failure.
    QStringList refreshed; // the caches, rebuilt where their tools are installed
    Launcher::setHandler([&](const Launcher::Request &r) {
        refreshed += r.arguments;
        return true;
    });
    control<QPushButton>("Button4")->click();
    QDialog *associations = find<QDialog>("Form16");
    ASSERT_TRUE(associations->isVisible());
    auto *registerButton = control<QPushButton>("Form16", "Button1");

    registerButton->click(); // nothing ticked
    EXPECT_EQ(newBeeps(), 2);
    EXPECT_TRUE(messages.empty());

    control<QCheckBox>("Form16", "cSQS")->setChecked(true);
    control<QCheckBox>("Form16", "cCSV")->setChecked(true);
    registerButton->click();
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Plain), QString("Выбранные типы файлов зарегистрированы."));
    EXPECT_TRUE(QFile::exists(path("XDG_DATA_HOME/mime/packages/velmora-sqs.xml")));
    EXPECT_FALSE(QFile::exists(path("XDG_DATA_HOME/mime/packages/velmora-sqf.xml")));
    EXPECT_TRUE(bytes("XDG_CONFIG_HOME/mimeapps.list").contains("text/csv=velmora.desktop"));
    for (const QString &folder : refreshed)
        EXPECT_TRUE(folder.startsWith(path("XDG_DATA_HOME/"))) << folder.toStdString();

    QDir(path("XDG_CONFIG_HOME")).removeRecursively();
    put("XDG_CONFIG_HOME", "a file where the folder belongs");
    registerButton->click();
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).startsWith("Тип файлов SQS не зарегистрирован."));
    control<QPushButton>("Form16", "Button2")->click();
    EXPECT_FALSE(associations->isVisible());
}
