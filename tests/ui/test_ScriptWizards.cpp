// The unit and crate wizards and the init-line dialog, driven as the user drives them. The script
// and init-line texts themselves are checked in the core tests.
#include "WizardFixture.h"

#include "SharedRandom.h"
#include "text/Cp1251.h"
#include "wizards/CrateWizard.h"
#include "wizards/InitLineDialog.h"
#include "wizards/UnitWizard.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

// The unit data are those of the test program folder, tests/fixtures/exe.
class ScriptWizards : public WizardFixture
{
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        SharedRandom::setTestSeed(7);
        start();
    }
    void TearDown() override
    {
        SharedRandom::setTestSeed(std::nullopt);
        WizardFixture::TearDown();
    }

    // The name the wizards propose first after the test seed, which starts again.
    static QString firstName(const char *prefix)
    {
        SharedRandom::setTestSeed(7);
        const QString name = QLatin1String(prefix) + QString::number(SharedRandom::below(999));
        SharedRandom::setTestSeed(7);
        return name;
    }
    // A list choice as the user makes it: the selection, then the list's own signal.
    void choose(const char *list, int index)
    {
        auto *combo = control<QComboBox>(list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void setCount(const char *spin, int value) { control<QSpinBox>(spin)->setValue(value); }
    QString load() { return control<QLabel>("CAPL")->text(); }
    QListWidget *equipment() { return control<QListWidget>("EQ"); }

    UnitWizard *unit() const { return windows->unitWizard(); }
    CrateWizard *crate() const { return windows->crateWizard(); }
    InitLineDialog *initLine() const { return windows->initLineDialog(); }
};

TEST_F(ScriptWizards, UnitWizardOffersTheWeaponsOfTheGameAtEachShowing)
{
    open(unit());
    EXPECT_EQ(items("PR"), QStringList({"НЕТ", "M16", "AK47"}));
    EXPECT_EQ(items("EQ"), QStringList({"(0) HandGrenade", "(0) Mine"}));
    EXPECT_EQ(load(), QString("0/10"));
    // Equipment counted on this data must not be looked up in the next game's shorter list.
    equipment()->setCurrentRow(1);
    click("AddOne");
    EXPECT_EQ(equipment()->item(1)->text(), QString("(1) Mine"));
    EXPECT_EQ(load(), QString("2/10"));
    unit()->close();

    action("ArmA1")->trigger();
    open(unit());
    EXPECT_EQ(items("PR"), QStringList({"НЕТ", "M16A2"}));
    EXPECT_EQ(items("SW"), QStringList({"НЕТ", "M136"}));
    EXPECT_EQ(items("EQ"), QStringList({"(0) HandGrenadeTimed"}));
    EXPECT_EQ(load(), QString("0/12"));
    EXPECT_EQ(control<QSpinBox>("HGMG")->maximum(), 8);
    EXPECT_EQ(control<QSpinBox>("PRGR")->maximum(), 8);
}

TEST_F(ScriptWizards, ABrokenUnitDataFileShowsTheErrorAndDisablesTheOutputs)
{
    put("data/ofp_unit.dat", "[PRIMARY]\r\nM16,M16\r\n[SECONDARY]\r\n[HANDGUN]\r\n[EQUIPMENT]\r\n");
    open(unit());
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Error), "Ошибка при работе с файлом " + path("data/ofp_unit.dat") + ".");
    EXPECT_TRUE(items("PR").isEmpty());
    EXPECT_TRUE(items("EQ").isEmpty());
    for (const char *output : {"Button3", "Button2", "GenInit"})
        EXPECT_FALSE(enabled(output)) << output;
    click("AddOne"); // nothing to count
    EXPECT_EQ(newBeeps(), 1);

    QFile::remove(path("data/ofp_unit.dat"));
    open(crate());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(items("Weap").isEmpty());
    for (const char *output : {"Button6", "Button7", "BitBtn1"})
        EXPECT_FALSE(enabled(output)) << output;
}

TEST_F(ScriptWizards, UnitCountsFollowTheChoicesAndTheLoad)
{
    open(unit());
    choose("PR", 2); // AK47: no launcher
    EXPECT_TRUE(enabled("PRMG"));
    EXPECT_FALSE(enabled("PRGR"));
    choose("PR", 1); // M16 with a launcher
    EXPECT_TRUE(enabled("PRGR"));
    setCount("PRMG", 10);
    EXPECT_EQ(load(), QString("10/10"));
    EXPECT_FALSE(control("OverL")->isVisible());
    setCount("PRMG", 11);
    EXPECT_TRUE(control("OverL")->isVisible());
    setCount("PRGR", 1);
    EXPECT_EQ(load(), QString("13/10"));

    choose("SW", 1);
    setCount("SWMG", 1);
    EXPECT_EQ(load(), QString("15/10"));
    control<QCheckBox>("IsSniper")->click();
    EXPECT_FALSE(enabled("SW"));
    EXPECT_FALSE(enabled("SWMG"));
    EXPECT_EQ(load(), QString("13/4"));
    control<QCheckBox>("IsSniper")->click();
    EXPECT_TRUE(enabled("SWMG"));

    choose("PR", 0);
    EXPECT_FALSE(enabled("PRMG"));
    EXPECT_FALSE(enabled("PRGR"));
    control<QCheckBox>("RemGir")->click();
    EXPECT_EQ(load(), QString("12/10"));

    click("Button4");
    EXPECT_EQ(load(), QString("0/10"));
    EXPECT_EQ(control<QComboBox>("SW")->currentIndex(), 0);
    EXPECT_EQ(control<QSpinBox>("SWMG")->value(), 0);
    EXPECT_TRUE(control<QCheckBox>("RemGir")->isChecked());
}

TEST_F(ScriptWizards, UnitInsertSaveAndInitLine)
{
    const QString name = firstName("unit_");
    open(unit());
    EXPECT_EQ(fieldText("NamEd"), name);
    choose("PR", 2);
    setCount("PRMG", 2);
    equipment()->setCurrentRow(0);
    for (const char *button : {"AddOne", "AddOne", "RemoveOne"})
        click(button);
    control<QCheckBox>("Binok")->setChecked(true);

    click("GenInit");
    ASSERT_TRUE(initLine()->isVisible());
    EXPECT_EQ(initLine()->line(), "RemoveAllWeapons this; {this addMagazine \"AK47\"} forEach [1,2]; "
                                  "this addWeapon \"AK47\"; this selectWeapon \"AK47\"; "
                                  "this addMagazine \"HandGrenade\" ; this AddWeapon \"Binocular\"");
    EXPECT_TRUE(unit()->isVisible());

    editor()->setText("ab");
    editor()->setCursorPosition(0, 1);
    click("Button3");
    EXPECT_TRUE(text().startsWith("a; ****") && text().endsWith("_unit AddWeapon \"Binocular\"\r\n\r\n\r\nexitb"));
    EXPECT_TRUE(text().contains("; ** Original file name: " + name + ".sqs\r\n"));
    EXPECT_FALSE(unit()->isVisible());
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Information), QString("Текст скрипта вставлен в позицию курсора"));
    editor()->undo(); // one step
    EXPECT_EQ(text(), QString("ab"));

    // Save: the dialog proposes the name; cancelling does nothing, confirming writes the bytes of
    // the form, which the new showing has reset.
    open(unit());
    setText("NamEd", u"отряд"_qs);
    click("Button2");
    ASSERT_EQ(fileDialogs.size(), 1u);
    EXPECT_EQ(QFileInfo(fileDialogs[0]->selectedFiles().value(0)).fileName(), u"отряд.sqs"_qs);
    EXPECT_TRUE(unit()->isVisible());

    // A file of that name is replaced only when the user says so; "No" goes back to the dialog.
    put("out.sqs", "old");
    answers.push_back(Dialogs::Answer::No);
    saveAs("Button2", "out.sqs");
    EXPECT_EQ(messages.back().kind, Dialogs::Kind::Question);
    EXPECT_EQ(messages.back().text, "Файл \"" + path("out.sqs") + "\" уже существует.\nЗаменить его?");
    EXPECT_EQ(fileDialogs.size(), 3u); // shown again, then cancelled
    EXPECT_EQ(bytes("out.sqs"), QByteArray("old"));
    EXPECT_TRUE(unit()->isVisible());
    answers.push_back(Dialogs::Answer::Yes);
    saveAs("Button2", "out.sqs");
    const QByteArray saved = bytes("out.sqs");
    EXPECT_TRUE(saved.contains("; ** Original file name: " + Cp1251::encode(u"отряд.sqs")));
    EXPECT_TRUE(saved.endsWith("\r\n_unit = _this Select 0\r\n\r\nRemoveAllWeapons _unit\r\n\r\n\r\n\r\n\r\nexit"));
    EXPECT_EQ(messages.back().kind, Dialogs::Kind::Plain);
    EXPECT_EQ(messages.back().text, QString("Скрипт успешно сохранен"));
    EXPECT_FALSE(unit()->isVisible());
}

// Cancel in the question about an existing file abandons the save: no dialog again, the file and
// the wizard as they were.
TEST_F(ScriptWizards, CancelInTheOverwriteQuestionAbandonsTheSave)
{
    open(unit());
    setText("NamEd", "kept");
    put("out.sqs", "old");
    answers.push_back(Dialogs::Answer::Cancel);
    saveAs("Button2", "out.sqs");
    EXPECT_EQ(fileDialogs.size(), 1u);
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question), "Файл \"" + path("out.sqs") + "\" уже существует.\nЗаменить его?");
    EXPECT_EQ(bytes("out.sqs"), QByteArray("old"));
    EXPECT_TRUE(unit()->isVisible());
    EXPECT_EQ(fieldText("NamEd"), QString("kept"));
}

// Characters Windows-1251 lacks are written as '?' only when the user agrees; else nothing is.
TEST_F(ScriptWizards, AWizardAsksBeforeWritingCharactersWindows1251Lacks)
{
    open(unit());
    setText("NamEd", u"zaw\u0142oka"_qs);
    answers.push_back(Dialogs::Answer::No);
    saveAs("Button2", "out.sqs");
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question),
              u"В кодировке Windows-1251 нет символов \u0142. Записать их в файл \""_qs + path("out.sqs") + "\" как \"?\"?");
    EXPECT_FALSE(QFile::exists(path("out.sqs")));
    EXPECT_TRUE(unit()->isVisible());
    EXPECT_EQ(fieldText("NamEd"), u"zaw\u0142oka"_qs);

    answers.push_back(Dialogs::Answer::Yes);
    saveAs("Button2", "out.sqs");
    EXPECT_TRUE(bytes("out.sqs").contains("; ** Original file name: zaw?oka.sqs"));
    EXPECT_EQ(takeMessages().value(1), QString("Скрипт успешно сохранен"));
    EXPECT_FALSE(unit()->isVisible());
}

TEST_F(ScriptWizards, CrateWizardTakesEachClassOncePerCargoCommand)
{
    const QString name = firstName("crate_");
    open(crate());
    EXPECT_EQ(items("Weap"), QStringList({"M16", "AK47", "LAWLauncher", "Beretta"}));
    EXPECT_EQ(fieldText("NamED"), name);

    const auto add = [&](const char *list, int index, const char *count, int n, const char *button) {
        control<QComboBox>(list)->setCurrentIndex(index);
        setCount(count, n);
        click(button);
    };
    add("Weap", 0, "WeapRX", 2, "Button1");
    add("Weap", 0, "WeapRX", 5, "Button1"); // the first count stays
    add("Mag", 0, "MagRX", 6, "Button2");   // the magazine named as its weapon
    add("Mag", 0, "MagRX", 7, "Button2");
    add("Mag", 2, "MagRX", 4, "Button2");
    add("Equ", 2, "EquRX", 1, "Button3"); // binoculars are a weapon to the game
    add("Equ", 1, "EquRX", 3, "Button3");
    control<QComboBox>("Weap")->setCurrentIndex(1);
    control<QComboBox>("Weap")->setEditText("Typed");
    click("Button1"); // text typed over AK47 chooses nothing
    EXPECT_EQ(items("CRT"), QStringList({"_crate addWeaponCargo [\"M16\", 2]", "_crate addMagazineCargo [\"M16\", 6]",
                                         "_crate addMagazineCargo [\"Mortar\", 4]",
                                         "_crate addWeaponCargo [\"Binocular\", 1]",
                                         "_crate addMagazineCargo [\"Mine\", 3]"}));

    auto *crateList = control<QListWidget>("CRT");
    crateList->clearSelection();
    click("Button4"); // nothing selected
    EXPECT_EQ(crateList->count(), 5);
    crateList->setCurrentRow(2);
    click("Button4");
    control<QCheckBox>("CheckBox1")->setChecked(false);
    click("BitBtn1");
    EXPECT_EQ(initLine()->line(), "this addWeaponCargo [\"M16\", 2]; this addMagazineCargo [\"M16\", 6]; "
                                  "this addWeaponCargo [\"Binocular\", 1]; "
                                  "this addMagazineCargo [\"Mine\", 3] ");

    editor()->setText("");
    click("Button6");
    EXPECT_TRUE(text().endsWith("\r\n_crate addMagazineCargo [\"Mine\", 3]\r\n\r\nexit"));
    EXPECT_FALSE(crate()->isVisible());

    // The crate stays between showings; the name is drawn again from a new seed.
    open(crate());
    EXPECT_EQ(crateList->count(), 4);
    EXPECT_EQ(fieldText("NamED"), name);
    saveAs("Button7", "crate.sqs");
    EXPECT_EQ(QFileInfo(fileDialogs.back()->selectedFiles().value(0)).fileName(), name + ".sqs");
    EXPECT_TRUE(bytes("crate.sqs").endsWith("[\"Mine\", 3]\r\n\r\nexit"));
    EXPECT_EQ(messages.back().text, QString("Скрипт успешно сохранен"));

    open(crate());
    click("Button5");
    EXPECT_EQ(crateList->count(), 0);
    EXPECT_NE(fieldText("NamED"), name);
    initLine()->hide();
    click("BitBtn1"); // the empty crate with clearing off has no line
    EXPECT_FALSE(initLine()->isVisible());
}

TEST_F(ScriptWizards, InitLineDialogCopiesAndInserts)
{
    open(crate());
    click("BitBtn1");
    ASSERT_TRUE(initLine()->isVisible());
    EXPECT_EQ(initLine()->line(), QString("ClearMagazineCargo this; ClearWeaponCargo this "));
    scope = initLine();
    const QString longLine(70000, u'x');
    setText("Edit1", longLine);
    EXPECT_EQ(fieldText("Edit1"), longLine);
    setText("Edit1", "edited");
    click("Button3");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("edited"));
    EXPECT_EQ(control<QLineEdit>("Edit1")->selectedText(), QString("edited"));
    EXPECT_TRUE(initLine()->isVisible());

    editor()->setText("a SEL b");
    editor()->setSelection(0, 2, 0, 5);
    click("Button2");
    EXPECT_EQ(text(), QString("a edited b"));
    EXPECT_FALSE(initLine()->isVisible());
    EXPECT_TRUE(crate()->isVisible());
    EXPECT_EQ(messages.back().text, QString("Текст скрипта вставлен в позицию курсора"));
}
