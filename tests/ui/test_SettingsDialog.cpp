// The settings dialog against the live state, its boxes, game path detection and the file types.
#include "AppFixture.h"

#include "dialogs/ColorBox.h"
#include "dialogs/HotKeyBox.h"
#include "reference/CompletionList.h"

constexpr const char *kFont = "Button1";   // Шрифт
constexpr const char *kOk = "Button3";     // ОК
constexpr const char *kBackground = "FonC";
constexpr const char *kKeywordColour = "COMD";
constexpr const char *kCStyle = "SQFC";
constexpr const char *kRegister = "Button1"; // the file types window's Зарегистрировать

class SettingsDialogTest : public AppFixture
{
protected:
    using AppFixture::control;
    template <class T = QWidget>
    T *control(const char *name) const { return control<T>(kSettingsWindow, name); }
    QDialog *dialog() const { return find<QDialog>(kSettingsWindow); }
    void click(const char *button) { press(dialog(), button); }
    void openSettings()
    {
        start();
        action(kSettings)->trigger();
    }
    ColorBox *colours(const char *name) const { return control<ColorBox>(name); }
};

// The settings of the start-up test, none at its default: OK writes them back as they were.
TEST_F(SettingsDialogTest, OpeningAndOkChangesNothing)
{
    writeConfig(loadFileToString(goldenPath("second-start-config.ini")));
    openSettings();
    EXPECT_TRUE(dialog()->isVisible());
    click(kOk); // every control opened from the live state, or this would change it
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
    h.keyword->setStyle(LexerAttributes::Bold | LexerAttributes::Underline | LexerAttributes::StrikeOut);
    action(kSettings)->trigger();
    colours(kBackground)->setSelected(Colors::clDefault);
    colours(kKeywordColour)->setSelected(Colors::clRed);
    control<QCheckBox>("COMDI")->setChecked(true);
    colours("FB")->setSelected(Colors::clLime);
    control<QLineEdit>("AApath")->setText("/games/arma.exe");
    control<QCheckBox>("SBR")->setChecked(true);
    control<QCheckBox>("TabToSp")->setChecked(true);
    click(kCStyle);
    colours("COMM")->setSelected(Colors::clTeal);
    control<QCheckBox>("COMMB")->setChecked(true);
    control<QCheckBox>("TETXI")->setChecked(true); // plain text's, which the other style's attributes take
    click(kOk);
    EXPECT_EQ(mainWindow()->look().color, Colors::clDefault);
    EXPECT_EQ(h.keyword->foreground(), Colors::clRed);
    EXPECT_EQ(h.keyword->style(), LexerAttributes::Bold | LexerAttributes::Italic);
    EXPECT_EQ(mainWindow()->settings().values().bracketForeground, Colors::clLime);
    EXPECT_EQ(mainWindow()->settings().values().armaExePath, QString("/games/arma.exe"));
    EXPECT_TRUE(mainWindow()->settings().values().saveBeforeRun);
    EXPECT_FALSE(editor()->indentationsUseTabs());
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(h.blockComment->foreground(), Colors::clTeal);
    EXPECT_TRUE(h.blockComment->style().testFlag(LexerAttributes::Bold));
    EXPECT_EQ(h.sqsComment->foreground(), Colors::clNone);
    EXPECT_EQ(h.sqsComment->style(), LexerAttributes::FontStyles(LexerAttributes::Italic));
}

// Tab, a modifier alone and Backspace are keys like any other; "<- Сброс" puts Tab back.
TEST_F(SettingsDialogTest, TheHotKeyBoxTakesTheKeyPressed)
{
    openSettings();
    auto *box = control<HotKeyBox>("HotKey1");
    const struct { int key; Qt::KeyboardModifiers mods; int code; } keys[] = {
        {Qt::Key_Backtab, Qt::ShiftModifier, 0x2009},
        {Qt::Key_Control, Qt::ControlModifier, 0x2009},
        {Qt::Key_Tab, {}, 9},
        {Qt::Key_Backspace, {}, 0},
        {Qt::Key_Space, Qt::ControlModifier, 0x4020},
    };
    for (const auto &k : keys) {
        QTest::keyClick(box, Qt::Key(k.key), k.mods);
        EXPECT_EQ(box->code(), k.code) << k.key;
    }
    click(kOk);
    EXPECT_EQ(mainWindow()->completion()->shortcutCode, 0x4020);
    action(kSettings)->trigger();
    QTest::mouseClick(control<QLabel>("Label22"), Qt::LeftButton); // <- Сброс
    EXPECT_EQ(box->code(), 9);
}

// The dialog opens again from the live values.
TEST_F(SettingsDialogTest, CancelKeepsTheLiveValues)
{
    openSettings();
    QTest::keyClick(control<HotKeyBox>("HotKey1"), Qt::Key_Space, Qt::ControlModifier);
    colours(kBackground)->setSelected(Colors::clYellow);
    control<QLineEdit>("OFPpath")->setText("/elsewhere.exe");
    control<QRadioButton>(kCStyle)->setChecked(true);
    click("Button2"); // Отмена
    EXPECT_EQ(mainWindow()->completion()->shortcutCode, 9);
    EXPECT_EQ(mainWindow()->look().color, Colors::clWindow);
    EXPECT_TRUE(mainWindow()->settings().values().ofpExePath.isEmpty());
    EXPECT_TRUE(mainWindow()->lexer()->sqsComments());
    action(kSettings)->trigger();
    EXPECT_EQ(colours(kBackground)->selected(), Colors::clWindow);
}

// The chosen font shows on the button and is taken only by OK.
TEST_F(SettingsDialogTest, TheFontButtonStartsFromTheLiveFont)
{
    writeConfig("[txfont]\r\nName=DejaVu Sans Mono\r\n"); // a font the test machine has
    openSettings();
    const QFont live = mainWindow()->look().font;
    QString offered;
    bool accept = false;
    ModalDialogs::setConfirmHandler([&](QDialog &d) {
        auto &fonts = static_cast<QFontDialog &>(d);
        offered = fonts.currentFont().family();
        fonts.setCurrentFont(QFont("DejaVu Sans", 15));
        return accept;
    });
    click(kFont); // cancelled
    EXPECT_EQ(offered, live.family());
    EXPECT_EQ(control(kFont)->font().family(), live.family());
    accept = true;
    click(kFont);
    EXPECT_EQ(control(kFont)->font().family(), QString("DejaVu Sans"));
    EXPECT_EQ(mainWindow()->look().font.family(), live.family());
    click(kOk);
    EXPECT_EQ(mainWindow()->look().font.family(), QString("DejaVu Sans"));
}

// A colour in no list shows as the custom colour; the first entry asks the colour dialog for one.
TEST_F(SettingsDialogTest, ColourBoxesOfferNoneTheDefaultAndACustomColour)
{
    openSettings();
    ColorBox *keyword = colours(kKeywordColour);
    EXPECT_GE(colours(kBackground)->findText("clDefault"), 0);
    EXPECT_LT(keyword->findText("clDefault"), 0);
    EXPECT_GE(keyword->findText("clInfoBk"), 0);
    keyword->setSelected(0x00C0FFEE);
    EXPECT_EQ(keyword->currentText(), QString("$00C0FFEE"));
    bool accept = true;
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
}

TEST_F(SettingsDialogTest, TheColourListOpensSixteenRowsTall)
{
    openSettings();
    ColorBox *keyword = colours(kKeywordColour);
    keyword->showPopup();
    const QAbstractItemView *list = keyword->view();
    EXPECT_EQ(list->indexAt(QPoint(1, list->viewport()->height() - 1)).row() - list->indexAt(QPoint(1, 0)).row() + 1, 16);
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    keyword->hidePopup();
}

// The game's label is a link, underlined under the mouse; the path found is taken only by OK, and
// a game not found beeps and leaves the path typed.
TEST_F(SettingsDialogTest, ALabelsClickFindsTheGamesPathInTheWinePrefix)
{
    put("WINEPREFIX/drive_c/OFP/FlashpointResistance.exe", "MZ");
    put("WINEPREFIX/system.reg", "WINE REGISTRY Version 2\n[Software\\\\Codemasters\\\\Flashpoint Resistance] 1\n"
                                 "\"MAIN\"=\"C:\\\\OFP\"\n");
    openSettings();
    auto *label = control<QLabel>("Label18"); // Путь к Operation Flashpoint
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QApplication::sendEvent(label, &enter);
    EXPECT_TRUE(label->font().underline());
    QApplication::sendEvent(label, &leave);
    EXPECT_FALSE(label->font().underline());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("OFPpath")->text(), QFileInfo(path("WINEPREFIX/drive_c/OFP/FlashpointResistance.exe")).canonicalFilePath());
    EXPECT_TRUE(mainWindow()->settings().values().ofpExePath.isEmpty());
    control<QLineEdit>("AApath")->setText("/typed.exe");
    QTest::mouseClick(control<QLabel>("Label17"), Qt::LeftButton); // Путь к Armed Assault
    EXPECT_EQ(newBeeps(), 1);
    EXPECT_EQ(control<QLineEdit>("AApath")->text(), QString("/typed.exe"));
}

// None ticked beeps; the caches are rebuilt where their tools are installed; a failure is named.
TEST_F(SettingsDialogTest, FileTypesRegisterTheTickedTypesForTheUser)
{
    openSettings();
    QStringList refreshed;
    Launcher::setHandler([&](const Launcher::Request &r) {
        refreshed += r.arguments;
        return true;
    });
    click(kSettingsFileTypes);
    QDialog *fileTypes = find<QDialog>(kFileTypesWindow);
    ASSERT_TRUE(fileTypes->isVisible());
    press(fileTypes, kRegister);
    EXPECT_EQ(newBeeps(), 1);
    control<QCheckBox>(fileTypes, "cSQS")->setChecked(true);
    control<QCheckBox>(fileTypes, "cCSV")->setChecked(true);
    press(fileTypes, kRegister);
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Plain), QString("Выбранные типы файлов зарегистрированы."));
    EXPECT_TRUE(QFile::exists(path("XDG_DATA_HOME/mime/packages/velmora-sqs.xml")));
    EXPECT_FALSE(QFile::exists(path("XDG_DATA_HOME/mime/packages/velmora-sqf.xml")));
    EXPECT_TRUE(bytes("XDG_CONFIG_HOME/mimeapps.list").contains("text/csv=velmora.desktop"));
    for (const QString &folder : refreshed)
        EXPECT_TRUE(folder.startsWith(path("XDG_DATA_HOME/"))) << folder.toStdString();
    QDir(path("XDG_CONFIG_HOME")).removeRecursively();
    put("XDG_CONFIG_HOME", "a file where the folder belongs");
    press(fileTypes, kRegister);
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).startsWith("Тип файлов SQS не зарегистрирован."));
}
