// The unit and crate wizards and the init-line dialog, driven as the user drives them. The script
// and init-line texts themselves are checked in the core tests.
#include "WizardFixture.h"

#include "SharedRandom.h"
#include "text/Cp1251.h"
#include "wizards/CrateWizard.h"
#include "wizards/InitLineDialog.h"
#include "wizards/UnitWizard.h"

// The unit wizard's.
constexpr const char *kPrimary = "PR";
constexpr const char *kPrimaryMagazines = "PRMG";
constexpr const char *kPrimaryGrenades = "PRGR";
constexpr const char *kSecondary = "SW";
constexpr const char *kSecondaryMagazines = "SWMG";
constexpr const char *kEquipment = "EQ";
constexpr const char *kOverloaded = "OverL";
constexpr const char *kRemoveGear = "RemGir"; // Удалить стандартное вооружение
constexpr const char *kUnitSave = "Button2";   // Сохранить на диск
constexpr const char *kUnitInsert = "Button3"; // Вставить в редактор
// The crate wizard's.
constexpr const char *kCargo = "CRT";
constexpr const char *kAddWeapon = "Button1";
constexpr const char *kAddMagazine = "Button2";
constexpr const char *kAddEquipment = "Button3";
constexpr const char *kRemoveCargo = "Button4";
constexpr const char *kCrateInsert = "Button6";
constexpr const char *kCrateSave = "Button7";
constexpr const char *kClearFirst = "CheckBox1"; // Сначала очистить
constexpr const char *kCrateInitLine = "BitBtn1";
constexpr const char *kLine = "Edit1"; // the init-line dialog's

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
    void setCount(const char *spin, int value) { control<QSpinBox>(spin)->setValue(value); }
    QString load() { return control<QLabel>("CAPL")->text(); }
    // The user picks entry `index` of a crate pool, sets its count beside it and adds it.
    void add(const char *pool, int index, int count, const char *button)
    {
        control<QComboBox>(pool)->setCurrentIndex(index);
        setCount(QByteArray(pool).append("RX").constData(), count);
        click(button);
    }
    void fillCrate()
    {
        add("Weap", 0, 2, kAddWeapon);
        add("Mag", 2, 4, kAddMagazine);
        add("Equ", 1, 3, kAddEquipment);
    }
    UnitWizard *unit() const { return windows->unitWizard(); }
    CrateWizard *crate() const { return windows->crateWizard(); }
    InitLineDialog *initLine() const { return windows->initLineDialog(); }
};

TEST_F(ScriptWizards, UnitWizardOffersTheWeaponsOfTheGameAtEachShowing)
{
    open(unit());
    EXPECT_EQ(items(kPrimary), QStringList({"НЕТ", "M16", "AK47"}));
    EXPECT_EQ(items(kEquipment), QStringList({"(0) HandGrenade", "(0) Mine"}));
    EXPECT_EQ(load(), QString("0/10"));
    // Equipment counted on this data must not be looked up in the next game's shorter list.
    control<QListWidget>(kEquipment)->setCurrentRow(1);
    click("AddOne");
    EXPECT_EQ(items(kEquipment).value(1), QString("(1) Mine"));
    EXPECT_EQ(load(), QString("2/10"));
    unit()->close();
    action("ArmA1")->trigger();
    open(unit());
    EXPECT_EQ(items(kPrimary), QStringList({"НЕТ", "M16A2"}));
    EXPECT_EQ(items(kEquipment), QStringList({"(0) HandGrenadeTimed"}));
    EXPECT_EQ(load(), QString("0/12"));
    EXPECT_EQ(control<QSpinBox>("HGMG")->maximum(), 8);
    EXPECT_EQ(control<QSpinBox>(kPrimaryGrenades)->maximum(), 8);
}

TEST_F(ScriptWizards, TheSniperIsOfferedOnlyInOfpDecidedAtEveryShowing)
{
    mainWindow()->setGame(Game::Arma);
    open(unit());
    EXPECT_FALSE(enabled("IsSniper"));
    unit()->hide();
    mainWindow()->setGame(Game::Ofp);
    open(unit());
    EXPECT_TRUE(enabled("IsSniper"));
}

TEST_F(ScriptWizards, ABrokenUnitDataFileShowsTheErrorAndDisablesTheOutputs)
{
    put("data/ofp_unit.dat", "[PRIMARY]\r\nM16,M16\r\n[SECONDARY]\r\n[HANDGUN]\r\n[EQUIPMENT]\r\n");
    open(unit());
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Error), "Ошибка при работе с файлом " + path("data/ofp_unit.dat") + ".");
    EXPECT_TRUE(items(kPrimary).isEmpty());
    EXPECT_TRUE(items(kEquipment).isEmpty());
    for (const char *output : {kUnitInsert, kUnitSave, "GenInit"})
        EXPECT_FALSE(enabled(output)) << output;
    click("AddOne"); // nothing to count
    EXPECT_EQ(newBeeps(), 1);
    QFile::remove(path("data/ofp_unit.dat"));
    open(crate());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(items("Weap").isEmpty());
    for (const char *output : {kCrateInsert, kCrateSave, kCrateInitLine})
        EXPECT_FALSE(enabled(output)) << output;
}

// A weapon without a launcher has no grenades; past the capacity the warning shows; the sniper
// carries no secondary weapon and less; Reset keeps only the removal of the standard gear.
TEST_F(ScriptWizards, UnitCountsFollowTheChoicesAndTheLoad)
{
    open(unit());
    choose(kPrimary, 2); // AK47
    EXPECT_TRUE(enabled(kPrimaryMagazines));
    EXPECT_FALSE(enabled(kPrimaryGrenades));
    choose(kPrimary, 1); // M16
    EXPECT_TRUE(enabled(kPrimaryGrenades));
    setCount(kPrimaryMagazines, 10);
    EXPECT_EQ(load(), QString("10/10"));
    EXPECT_FALSE(control(kOverloaded)->isVisible());
    setCount(kPrimaryMagazines, 11);
    EXPECT_TRUE(control(kOverloaded)->isVisible());
    setCount(kPrimaryGrenades, 1);
    EXPECT_EQ(load(), QString("13/10"));
    choose(kSecondary, 1);
    setCount(kSecondaryMagazines, 1);
    EXPECT_EQ(load(), QString("15/10"));
    control<QCheckBox>("IsSniper")->click();
    EXPECT_FALSE(enabled(kSecondary));
    EXPECT_FALSE(enabled(kSecondaryMagazines));
    EXPECT_EQ(load(), QString("13/4"));
    control<QCheckBox>("IsSniper")->click();
    EXPECT_TRUE(enabled(kSecondaryMagazines));
    choose(kPrimary, 0);
    EXPECT_FALSE(enabled(kPrimaryMagazines));
    control<QCheckBox>(kRemoveGear)->click();
    EXPECT_EQ(load(), QString("12/10"));
    click("Button4"); // Сброс
    EXPECT_EQ(load(), QString("0/10"));
    EXPECT_EQ(control<QComboBox>(kSecondary)->currentIndex(), 0);
    EXPECT_EQ(control<QSpinBox>(kSecondaryMagazines)->value(), 0);
    EXPECT_TRUE(control<QCheckBox>(kRemoveGear)->isChecked());
}

TEST_F(ScriptWizards, UnitInitLineHoldsTheLoadoutWhileTheWizardStays)
{
    open(unit());
    choose(kPrimary, 2);
    setCount(kPrimaryMagazines, 2);
    control<QListWidget>(kEquipment)->setCurrentRow(0);
    for (const char *button : {"AddOne", "AddOne", "RemoveOne"})
        click(button);
    control<QCheckBox>("Binok")->setChecked(true);
    click("GenInit");
    EXPECT_TRUE(initLine()->isVisible());
    EXPECT_EQ(initLine()->line(), "RemoveAllWeapons this; {this addMagazine \"AK47\"} forEach [1,2]; "
                                  "this addWeapon \"AK47\"; this selectWeapon \"AK47\"; "
                                  "this addMagazine \"HandGrenade\" ; this AddWeapon \"Binocular\"");
    EXPECT_TRUE(unit()->isVisible());
}

TEST_F(ScriptWizards, UnitInsertPutsTheScriptAtTheCaretAsOneUndoStep)
{
    open(unit());
    control<QCheckBox>("Binok")->setChecked(true);
    editor()->setText("ab");
    editor()->setCursorPosition(0, 1);
    click(kUnitInsert);
    EXPECT_TRUE(text().startsWith("a; ****") && text().endsWith("_unit AddWeapon \"Binocular\"\r\n\r\n\r\nexitb"));
    EXPECT_TRUE(text().contains("; ** Original file name: " + firstName("unit_") + ".sqs\r\n"));
    EXPECT_FALSE(unit()->isVisible());
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Information), QString("Текст скрипта вставлен в позицию курсора"));
    editor()->undo();
    EXPECT_EQ(text(), QString("ab"));
}

// The dialog proposes the unit's name. A file of that name is replaced only when the user says so;
// "No" goes back to the dialog. The bytes written are the form's, which a new showing has reset.
TEST_F(ScriptWizards, UnitSaveAsksBeforeReplacingAFile)
{
    open(unit());
    EXPECT_EQ(fieldText("NamEd"), firstName("unit_"));
    choose(kPrimary, 2);
    setText("NamEd", u"отряд"_qs);
    put("out.sqs", "old");
    answers.push_back(Dialogs::Answer::No);
    saveAs(kUnitSave, "out.sqs");
    EXPECT_EQ(proposedName(), u"отряд.sqs"_qs);
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question), "Файл \"" + path("out.sqs") + "\" уже существует.\nЗаменить его?");
    EXPECT_EQ(fileDialogs.size(), 2u); // shown again, then cancelled
    EXPECT_EQ(bytes("out.sqs"), QByteArray("old"));
    EXPECT_TRUE(unit()->isVisible());
    unit()->hide();
    open(unit());
    setText("NamEd", u"отряд"_qs);
    answers.push_back(Dialogs::Answer::Yes);
    saveAs(kUnitSave, "out.sqs");
    const QByteArray saved = bytes("out.sqs");
    EXPECT_TRUE(saved.contains("; ** Original file name: " + Cp1251::encode(u"отряд.sqs")));
    EXPECT_TRUE(saved.endsWith("\r\n_unit = _this Select 0\r\n\r\nRemoveAllWeapons _unit\r\n\r\n\r\n\r\n\r\nexit"));
}

// No dialog again; the file and the wizard as they were.
TEST_F(ScriptWizards, CancelInTheOverwriteQuestionAbandonsTheSave)
{
    open(unit());
    setText("NamEd", "kept");
    put("out.sqs", "old");
    answers.push_back(Dialogs::Answer::Cancel);
    saveAs(kUnitSave, "out.sqs");
    EXPECT_EQ(fileDialogs.size(), 1u);
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question), "Файл \"" + path("out.sqs") + "\" уже существует.\nЗаменить его?");
    EXPECT_EQ(bytes("out.sqs"), QByteArray("old"));
    EXPECT_TRUE(unit()->isVisible());
    EXPECT_EQ(fieldText("NamEd"), QString("kept"));
}

TEST_F(ScriptWizards, AWizardAsksBeforeWritingCharactersWindows1251Lacks)
{
    open(unit());
    setText("NamEd", u"zaw\u0142oka"_qs);
    answers.push_back(Dialogs::Answer::No);
    saveAs(kUnitSave, "out.sqs");
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question),
              u"В кодировке Windows-1251 нет символов \u0142. Записать их в файл \""_qs + path("out.sqs") + "\" как \"?\"?");
    EXPECT_FALSE(QFile::exists(path("out.sqs")));
    EXPECT_TRUE(unit()->isVisible());
    answers.push_back(Dialogs::Answer::Yes);
    saveAs(kUnitSave, "out.sqs");
    EXPECT_TRUE(bytes("out.sqs").contains("; ** Original file name: zaw?oka.sqs"));
    EXPECT_EQ(takeMessages().value(1), QString("Скрипт успешно сохранен"));
    EXPECT_FALSE(unit()->isVisible());
}

// A class already in the crate keeps its first count; a magazine may be named as its weapon, and
// binoculars are a weapon to the game; text typed over an entry chooses nothing.
TEST_F(ScriptWizards, CrateTakesEachClassOncePerCargoCommand)
{
    open(crate());
    EXPECT_EQ(items("Weap"), QStringList({"M16", "AK47", "LAWLauncher", "Beretta"}));
    add("Weap", 0, 2, kAddWeapon);
    add("Weap", 0, 5, kAddWeapon);
    add("Mag", 0, 6, kAddMagazine);
    add("Mag", 2, 4, kAddMagazine);
    add("Equ", 2, 1, kAddEquipment);
    add("Equ", 1, 3, kAddEquipment);
    control<QComboBox>("Weap")->setCurrentIndex(1);
    control<QComboBox>("Weap")->setEditText("Typed");
    click(kAddWeapon);
    EXPECT_EQ(items(kCargo), QStringList({"_crate addWeaponCargo [\"M16\", 2]", "_crate addMagazineCargo [\"M16\", 6]",
                                          "_crate addMagazineCargo [\"Mortar\", 4]", "_crate addWeaponCargo [\"Binocular\", 1]",
                                          "_crate addMagazineCargo [\"Mine\", 3]"}));
}

// Nothing without a selection; without clearing first, the init line holds the crate's lines alone.
TEST_F(ScriptWizards, CrateRemoveTakesTheSelectedLine)
{
    open(crate());
    fillCrate();
    auto *cargo = control<QListWidget>(kCargo);
    cargo->clearSelection();
    click(kRemoveCargo);
    EXPECT_EQ(cargo->count(), 3);
    cargo->setCurrentRow(1);
    click(kRemoveCargo);
    control<QCheckBox>(kClearFirst)->setChecked(false);
    click(kCrateInitLine);
    EXPECT_EQ(initLine()->line(), "this addWeaponCargo [\"M16\", 2]; this addMagazineCargo [\"Mine\", 3] ");
}

// The crate stays between showings, and so does its name until the crate is cleared.
TEST_F(ScriptWizards, TheCrateStaysBetweenShowingsForInsertOrSave)
{
    const QString name = firstName("crate_");
    open(crate());
    EXPECT_EQ(fieldText("NamED"), name);
    fillCrate();
    click(kCrateInsert);
    EXPECT_TRUE(text().endsWith("\r\n_crate addMagazineCargo [\"Mine\", 3]\r\n\r\nexit"));
    EXPECT_FALSE(crate()->isVisible());
    open(crate());
    EXPECT_EQ(items(kCargo).size(), 3);
    EXPECT_EQ(fieldText("NamED"), name);
    saveAs(kCrateSave, "crate.sqs");
    EXPECT_EQ(proposedName(), name + ".sqs");
    EXPECT_TRUE(bytes("crate.sqs").endsWith("[\"Mine\", 3]\r\n\r\nexit"));
    EXPECT_EQ(takeMessages().value(1), QString("Скрипт успешно сохранен"));
}

// The name is drawn again; an empty crate with clearing off has no init line.
TEST_F(ScriptWizards, CrateClearEmptiesTheCrate)
{
    open(crate());
    fillCrate();
    click("Button5"); // Удалить все
    EXPECT_TRUE(items(kCargo).isEmpty());
    EXPECT_NE(fieldText("NamED"), firstName("crate_"));
    control<QCheckBox>(kClearFirst)->setChecked(false);
    click(kCrateInitLine);
    EXPECT_FALSE(initLine()->isVisible());
}

// A large load-out makes a line longer than a line edit takes by default.
TEST_F(ScriptWizards, TheInitLineTakesALineOfAnyLength)
{
    const QString longLine(70000, u'x');
    initLine()->showLine(longLine, crate());
    EXPECT_EQ(initLine()->line(), longLine);
}

TEST_F(ScriptWizards, TheInitLineCopiesOrInsertsItsEditedLine)
{
    open(crate());
    click(kCrateInitLine);
    ASSERT_TRUE(initLine()->isVisible());
    scope = initLine();
    setText(kLine, "edited");
    click("Button3"); // Скопировать
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("edited"));
    EXPECT_EQ(control<QLineEdit>(kLine)->selectedText(), QString("edited"));
    EXPECT_TRUE(initLine()->isVisible());
    editor()->setText("a SEL b");
    editor()->setSelection(0, 2, 0, 5);
    click("Button2"); // Вставить в редактор
    EXPECT_EQ(text(), QString("a edited b"));
    EXPECT_FALSE(initLine()->isVisible());
    EXPECT_TRUE(crate()->isVisible());
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Information), QString("Текст скрипта вставлен в позицию курсора"));
}
