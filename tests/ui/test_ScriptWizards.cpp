// The unit and crate wizards and the init-line dialog, driven as the user drives them.
#include "AppFixture.h"

#include "platform/ModalDialogs.h"
#include "SharedRandom.h"
#include "text/Cp1251.h"
#include "wizards/CrateWizard.h"
#include "wizards/InitLineDialog.h"
#include "wizards/UnitWizard.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {

const QByteArray kOfpUnits = "Test data\r\n"
                             "[PRIMARY] Syntax = WEAPON,MAGAZINE,MAGAZINE_SIZE,SECONDARY_AMMO(opt),SECONDARY_AMMO_SIZE(opt)\r\n"
                             "M16,M16,1,Mortar,2\r\nAK47,AK47,1\r\n"
                             "[SECONDARY]\r\nLAWLauncher,LAWLauncher,2\r\n"
                             "[HANDGUN]\r\nBeretta,BerettaMag,1\r\n"
                             "[EQUIPMENT] Syntax = ITEM,SIZE\r\nHandGrenade,1\r\nMine,2\r\n";
const QByteArray kArmaUnits = "[PRIMARY]\r\nM16A2,30Rnd_556x45_Stanag,1,1Rnd_HE_M203,1\r\n"
                              "[SECONDARY]\r\nM136,M136,6\r\n[HANDGUN]\r\nM9,15Rnd_9x19_M9,1\r\n"
                              "[EQUIPMENT]\r\nHandGrenadeTimed,1\r\n";

// The texts of a list box or of a drop-down list.
template <class List>
QStringList entries(const List *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->model()->index(i, 0).data().toString());
    return out;
}

} // namespace

class ScriptWizards : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        put("data/ofp_unit.dat", kOfpUnits);
        put("data/arma_unit.dat", kArmaUnits);
        SharedRandom::setTestSeed(7);
        ModalDialogs::setFileHandler([this](QFileDialog &dialog) {
            dialogs.push_back(&dialog);
            proposed.push_back(dialog.selectedFiles().value(0));
            return chosen;
        });
        start();
    }
    void TearDown() override
    {
        ModalDialogs::setFileHandler(nullptr);
        SharedRandom::setTestSeed(std::nullopt);
        AppFixture::TearDown();
    }

    // The number the generator gives first after the test seed.
    static int firstNumber()
    {
        SharedRandom::setTestSeed(7);
        return SharedRandom::below(999);
    }
    // A control of one window: the wizards share names such as Button1.
    template <class T>
    static T *in(QWidget *window, const char *name)
    {
        T *control = window->findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(control) << name;
        return control;
    }
    // A list choice as the user makes it: the selection, then the list's own signal.
    void choose(const char *list, int index)
    {
        auto *combo = in<QComboBox>(unit(), list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void click(QWidget *window, const char *button) { in<QPushButton>(window, button)->click(); }
    void setCount(const char *spin, int value) { in<QSpinBox>(unit(), spin)->setValue(value); }
    QString label(const char *name) { return in<QLabel>(unit(), name)->text(); }

    UnitWizard *unit() const { return windows->unitWizard(); }
    QComboBox *unitList(const char *name) const { return in<QComboBox>(unit(), name); }
    QListWidget *equipment() const { return in<QListWidget>(unit(), "EQ"); }
    CrateWizard *crate() const { return windows->crateWizard(); }
    InitLineDialog *initLine() const { return windows->initLineDialog(); }

    QString chosen; // the save dialog's answer; empty means Cancel
    std::vector<QFileDialog *> dialogs;
    QStringList proposed;
};

TEST_F(ScriptWizards, UnitWizardOffersTheWeaponsOfTheGameAtEachShowing)
{
    unit()->show();
    EXPECT_EQ(entries(unitList("PR")), QStringList({"НЕТ", "M16", "AK47"}));
    EXPECT_EQ(entries(unitList("HG")), QStringList({"НЕТ", "Beretta"}));
    EXPECT_EQ(entries(equipment()), QStringList({"(0) HandGrenade", "(0) Mine"}));
    EXPECT_EQ(label("CAPL"), QString("0/10"));
    EXPECT_EQ(in<QPushButton>(unit(), "GenInit")->text(), QString("Строка для поля\nинициализации"));
    // Equipment counted on this data must not be looked up in the next game's shorter list.
    equipment()->setCurrentRow(1);
    click(unit(), "AddOne");
    EXPECT_EQ(equipment()->item(1)->text(), QString("(1) Mine"));
    EXPECT_EQ(label("CAPL"), QString("2/10"));
    unit()->close();

    action("ArmA1")->trigger();
    unit()->show();
    EXPECT_EQ(entries(unitList("PR")), QStringList({"НЕТ", "M16A2"}));
    EXPECT_EQ(entries(unitList("SW")), QStringList({"НЕТ", "M136"}));
    EXPECT_EQ(entries(equipment()), QStringList({"(0) HandGrenadeTimed"}));
    EXPECT_EQ(label("CAPL"), QString("0/12"));
    EXPECT_EQ(in<QSpinBox>(unit(), "HGMG")->maximum(), 8);
    EXPECT_EQ(in<QSpinBox>(unit(), "PRGR")->maximum(), 8);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ScriptWizards, ABrokenUnitDataFileShowsTheErrorAndDisablesTheOutputs)
{
    put("data/ofp_unit.dat", "[PRIMARY]\r\nM16,M16\r\n[SECONDARY]\r\n[HANDGUN]\r\n[EQUIPMENT]\r\n");
    unit()->show();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(messages[0].text, "Ошибка при работе с файлом " + path("data/ofp_unit.dat") + ".");
    EXPECT_EQ(unitList("PR")->count(), 0);
    EXPECT_EQ(equipment()->count(), 0);
    for (const char *output : {"Button3", "Button2", "GenInit"})
        EXPECT_FALSE(in<QPushButton>(unit(), output)->isEnabled()) << output;
    const int beeps = Dialogs::beepCount();
    click(unit(), "AddOne"); // nothing to count
    EXPECT_EQ(Dialogs::beepCount(), beeps + 1);
    unit()->close();

    put("data/ofp_unit.dat", kOfpUnits);
    unit()->show();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(unitList("PR")->count(), 3);
    EXPECT_TRUE(in<QPushButton>(unit(), "Button3")->isEnabled());

    QFile::remove(path("data/ofp_unit.dat"));
    crate()->show();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(in<QComboBox>(crate(), "Weap")->count(), 0);
    for (const char *output : {"Button6", "Button7", "BitBtn1"})
        EXPECT_FALSE(in<QPushButton>(crate(), output)->isEnabled()) << output;
}

TEST_F(ScriptWizards, UnitCountsFollowTheChoicesAndTheLoad)
{
    unit()->show();
    choose("PR", 2); // AK47: no launcher
    EXPECT_TRUE(in<QSpinBox>(unit(), "PRMG")->isEnabled());
    EXPECT_FALSE(in<QSpinBox>(unit(), "PRGR")->isEnabled());
    choose("PR", 1); // M16 with a launcher
    EXPECT_TRUE(in<QSpinBox>(unit(), "PRGR")->isEnabled());
    setCount("PRMG", 10);
    EXPECT_EQ(label("CAPL"), QString("10/10"));
    EXPECT_FALSE(in<QLabel>(unit(), "OverL")->isVisible());
    setCount("PRMG", 11);
    EXPECT_TRUE(in<QLabel>(unit(), "OverL")->isVisible());
    setCount("PRGR", 1);
    EXPECT_EQ(label("CAPL"), QString("13/10"));
    choose("HG", 1);
    setCount("HGMG", 4);
    EXPECT_EQ(label("CAPL"), QString("13/10"));

    choose("SW", 1);
    setCount("SWMG", 1);
    EXPECT_EQ(label("CAPL"), QString("15/10"));
    in<QCheckBox>(unit(), "IsSniper")->click();
    EXPECT_FALSE(unitList("SW")->isEnabled());
    EXPECT_FALSE(in<QSpinBox>(unit(), "SWMG")->isEnabled());
    EXPECT_EQ(label("CAPL"), QString("13/4"));
    unit()->setSniperEnabled(false); // the launcher, for a game without the rule
    EXPECT_FALSE(in<QCheckBox>(unit(), "IsSniper")->isChecked());
    EXPECT_TRUE(in<QSpinBox>(unit(), "SWMG")->isEnabled());

    choose("PR", 0);
    EXPECT_FALSE(in<QSpinBox>(unit(), "PRMG")->isEnabled());
    EXPECT_FALSE(in<QSpinBox>(unit(), "PRGR")->isEnabled());
    in<QCheckBox>(unit(), "RemGir")->click();
    EXPECT_EQ(label("CAPL"), QString("12/10"));

    click(unit(), "Button4");
    EXPECT_EQ(label("CAPL"), QString("0/10"));
    EXPECT_EQ(unitList("SW")->currentIndex(), 0);
    EXPECT_EQ(in<QSpinBox>(unit(), "SWMG")->value(), 0);
    EXPECT_TRUE(in<QCheckBox>(unit(), "RemGir")->isChecked());
}

TEST_F(ScriptWizards, UnitInsertSaveAndInitLine)
{
    const QString name = "unit_" + QString::number(firstNumber());
    SharedRandom::setTestSeed(7);
    unit()->show();
    EXPECT_EQ(in<QLineEdit>(unit(), "NamEd")->text(), name);
    choose("PR", 2);
    setCount("PRMG", 2);
    equipment()->setCurrentRow(0);
    for (const char *button : {"AddOne", "AddOne", "RemoveOne"})
        click(unit(), button);
    in<QCheckBox>(unit(), "Binok")->setChecked(true);

    click(unit(), "GenInit");
    ASSERT_TRUE(initLine()->isVisible());
    EXPECT_EQ(initLine()->line(), "RemoveAllWeapons this; {this addMagazine \"AK47\"} forEach [1,2]; "
                                  "this addWeapon \"AK47\"; this selectWeapon \"AK47\"; "
                                  "this addMagazine \"HandGrenade\" ; this AddWeapon \"Binocular\"");
    EXPECT_TRUE(unit()->isVisible());

    editor()->setText("ab");
    editor()->setCursorPosition(0, 1);
    click(unit(), "Button3");
    const QString tail = "\r\n\r\nRemoveAllWeapons _unit\r\n\r\n{_unit addMagazine \"AK47\"} forEach [1,2]\r\n"
                         "_unit addWeapon \"AK47\"\r\n_unit selectWeapon \"AK47\"\r\n\r\n"
                         "_unit addMagazine \"HandGrenade\"\r\n\r\n_unit AddWeapon \"Binocular\"\r\n\r\n\r\nexitb";
    EXPECT_TRUE(text().startsWith("a; ****"));
    EXPECT_TRUE(text().endsWith(tail));
    EXPECT_TRUE(text().contains("; ** Original file name: " + name + ".sqs\r\n"));
    EXPECT_FALSE(unit()->isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(messages[0].text, QString("Текст скрипта вставлен в позицию курсора"));
    editor()->undo(); // one step
    EXPECT_EQ(text(), QString("ab"));

    // Save: the dialog proposes the name; cancelling does nothing, confirming writes the bytes.
    unit()->show();
    in<QLineEdit>(unit(), "NamEd")->setText(u"отряд"_qs);
    click(unit(), "Button2");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->objectName(), QString("SVDD"));
    EXPECT_EQ(dialogs[0]->windowTitle(), QString("Сохранить скрипт юнита как"));
    EXPECT_EQ(dialogs[0]->nameFilters(), QStringList({"Скрипты (*.sqs)", "Все файлы (*)"}));
    EXPECT_TRUE(dialogs[0]->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(QFileInfo(proposed[0]).fileName(), u"отряд.sqs"_qs);
    EXPECT_TRUE(unit()->isVisible());

    chosen = path("out.sqs");
    put("out.sqs", "old");
    click(unit(), "Button2");
    const QByteArray saved = bytes("out.sqs");
    EXPECT_TRUE(saved.startsWith("; ***"));
    EXPECT_TRUE(saved.contains("; ** Original file name: " + Cp1251::encode(u"отряд.sqs")));
    EXPECT_TRUE(saved.endsWith("\r\n_unit = _this Select 0\r\n\r\nRemoveAllWeapons _unit\r\n\r\n\r\n\r\n\r\nexit"));
    EXPECT_EQ(messages.back().kind, Dialogs::Kind::Plain);
    EXPECT_EQ(messages.back().text, QString("Скрипт успешно сохранен"));
    EXPECT_FALSE(unit()->isVisible());

    // A write that fails reports the error only, and the wizard stays.
    unit()->show();
    const size_t before = messages.size();
    chosen = path("no/such/folder/x.sqs");
    click(unit(), "Button2");
    ASSERT_EQ(messages.size(), before + 1);
    EXPECT_EQ(messages.back().kind, Dialogs::Kind::Error);
    EXPECT_TRUE(unit()->isVisible());
}

TEST_F(ScriptWizards, CrateWizardFillsTheCrateOnceAClass)
{
    const int first = firstNumber();
    crate()->show();
    EXPECT_EQ(entries(in<QComboBox>(crate(), "Weap")), QStringList({"M16", "AK47", "LAWLauncher", "Beretta"}));
    EXPECT_EQ(entries(in<QComboBox>(crate(), "Mag")), QStringList({"M16", "AK47", "Mortar"}));
    EXPECT_EQ(entries(in<QComboBox>(crate(), "Equ")),
              QStringList({"HandGrenade", "Mine", "Binocular", "NVGoggles"}));
    EXPECT_EQ(in<QLineEdit>(crate(), "NamED")->text(), "crate_" + QString::number(first));

    auto *weapons = in<QComboBox>(crate(), "Weap");
    auto *crateList = in<QListWidget>(crate(), "CRT");
    const auto add = [&](const char *list, int index, const char *count, int n, const char *button) {
        in<QComboBox>(crate(), list)->setCurrentIndex(index);
        in<QSpinBox>(crate(), count)->setValue(n);
        click(crate(), button);
    };
    add("Weap", 0, "WeapRX", 2, "Button1");
    add("Weap", 0, "WeapRX", 5, "Button1"); // the first count stays
    add("Mag", 0, "MagRX", 9, "Button2");   // the class is in the crate already, as a weapon
    add("Mag", 2, "MagRX", 0, "Button2");   // count 0
    add("Mag", 2, "MagRX", 4, "Button2");
    add("Equ", 2, "EquRX", 1, "Button3");
    add("Equ", 1, "EquRX", 3, "Button3");
    weapons->setEditText("Typed");
    click(crate(), "Button1"); // typed text chooses nothing
    EXPECT_EQ(entries(crateList), QStringList({"_crate addWeaponCargo [\"M16\", 2]",
                                               "_crate addMagazineCargo [\"Mortar\", 4]",
                                               "_crate addWeaponCargo [\"Binocular\", 1]",
                                               "_crate addMagazineCargo [\"Mine\", 3]"}));

    crateList->clearSelection();
    click(crate(), "Button4"); // nothing selected
    EXPECT_EQ(crateList->count(), 4);
    crateList->setCurrentRow(1);
    click(crate(), "Button4");
    in<QCheckBox>(crate(), "CheckBox1")->setChecked(false);
    click(crate(), "BitBtn1");
    EXPECT_EQ(initLine()->line(), "this addWeaponCargo [\"M16\", 2]; this addWeaponCargo [\"Binocular\", 1]; "
                                  "this addMagazineCargo [\"Mine\", 3] ");

    editor()->setText("");
    click(crate(), "Button6");
    EXPECT_TRUE(text().endsWith("\r\n_crate = _this Select 0\r\n\r\n_crate addWeaponCargo [\"M16\", 2]\r\n"
                                "_crate addWeaponCargo [\"Binocular\", 1]\r\n_crate addMagazineCargo [\"Mine\", 3]\r\n"
                                "\r\nexit"));
    EXPECT_FALSE(crate()->isVisible());

    // The crate stays between showings; the name is drawn again from a new seed.
    crate()->show();
    EXPECT_EQ(crateList->count(), 3);
    EXPECT_EQ(in<QLineEdit>(crate(), "NamED")->text(), "crate_" + QString::number(first));
    chosen = path("crate.sqs");
    click(crate(), "Button7");
    EXPECT_EQ(dialogs.back()->objectName(), QString("Savik"));
    EXPECT_EQ(dialogs.back()->windowTitle(), QString("Сохранить скрипт ящика как"));
    EXPECT_EQ(QFileInfo(proposed.back()).fileName(), "crate_" + QString::number(first) + ".sqs");
    EXPECT_TRUE(bytes("crate.sqs").endsWith("[\"Mine\", 3]\r\n\r\nexit"));
    EXPECT_EQ(messages.back().text, QString("Скрипт успешно сохранен"));

    crate()->show();
    click(crate(), "Button5");
    EXPECT_EQ(crateList->count(), 0);
    EXPECT_NE(in<QLineEdit>(crate(), "NamED")->text(), "crate_" + QString::number(first));
    initLine()->hide();
    click(crate(), "BitBtn1"); // the empty crate with clearing off has no line
    EXPECT_FALSE(initLine()->isVisible());
}

TEST_F(ScriptWizards, InitLineDialogCopiesAndInserts)
{
    crate()->show();
    click(crate(), "BitBtn1");
    ASSERT_TRUE(initLine()->isVisible());
    EXPECT_EQ(initLine()->line(), QString("ClearMagazineCargo this; ClearWeaponCargo this "));
    auto *edit = in<QLineEdit>(initLine(), "Edit1");
    const QString longLine(70000, u'x');
    edit->setText(longLine);
    EXPECT_EQ(edit->text(), longLine);
    edit->setText("edited");
    click(initLine(), "Button3");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("edited"));
    EXPECT_EQ(edit->selectedText(), QString("edited"));
    EXPECT_TRUE(initLine()->isVisible());

    editor()->setText("a SEL b");
    editor()->setSelection(0, 2, 0, 5);
    click(initLine(), "Button2");
    EXPECT_EQ(text(), QString("a edited b"));
    EXPECT_FALSE(initLine()->isVisible());
    EXPECT_TRUE(crate()->isVisible());
    EXPECT_EQ(messages.back().text, QString("Текст скрипта вставлен в позицию курсора"));
}
