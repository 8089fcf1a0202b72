// The description.ext wizard: pools from the unit data, entries, sounds, insert and save. The text
// and the file-name rules are checked in the core tests.
#include "WizardFixture.h"

#include "wizards/DescriptionExt.h"
#include "wizards/DescriptionWizard.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

// The unit data are those of the test program folder, tests/fixtures/exe.
class DescriptionWizardTest : public WizardFixture
{
protected:
    DescriptionWizard *wizard() const { return windows->descriptionWizard(); }
    void showWizard() // again: the wizard prepares itself at every showing
    {
        wizard()->hide();
        open(wizard());
    }
    void add(const char *pool, const QString &item, int count, const char *button)
    {
        control<QComboBox>(pool)->setCurrentText(item);
        control<QSpinBox>(QByteArray(pool).append('C').constData())->setValue(count);
        click(button);
    }
    void check(const char *name) { control<QCheckBox>(name)->setChecked(true); }
};

TEST_F(DescriptionWizardTest, PoolsEntriesSoundNamesTheInsertedTextAndTheSavedFile)
{
    start();
    showWizard();
    EXPECT_EQ(items("Weap"), QStringList({"M16", "AK47", "LAWLauncher", "Beretta"}));
    EXPECT_FALSE(enabled("GroupBox2"));
    EXPECT_FALSE(enabled("SoundPath"));
    check("CheckBox1");
    EXPECT_TRUE(enabled("GroupBox2"));

    add("Weap", "M16", 2, "Button1");
    add("Weap", "M16", 5, "Button1");  // the class is listed already
    add("Weap", "AK47", 0, "Button1"); // no count
    add("Mag", "Mortar", 3, "Button2");
    add("Equ", "Binocular", 1, "Button3"); // a weapon to the game
    add("Equ", "Mine", 1, "Button3");
    EXPECT_EQ(items("WeapLst"), QStringList({"M16 (2)", "Binocular (1)"}));
    EXPECT_EQ(items("MagLst"), QStringList({"Mortar (3)", "Mine (1)"}));
    control<QListWidget>("MagLst")->setCurrentRow(0);
    click("Button13");
    EXPECT_EQ(items("MagLst"), QStringList({"Mine (1)"}));

    check("CheckBox2");
    control<QRadioButton>("RadioButton4")->setChecked(true);
    control<QSpinBox>("RxSpinEdit1")->setValue(30);
    type(QStringLiteral("before"));
    editor()->selectAll();
    click("Button8");
    DescriptionExtForm form;
    form.weaponsOn = form.respawnOn = true;
    form.weaponEntries = QStringList({"M16 (2)", "Binocular (1)"});
    form.magazineEntries = QStringList({"Mine (1)"});
    form.respawnType = QStringLiteral("BASE");
    form.respawnDelay = 30;
    EXPECT_EQ(text(), buildDescriptionExt(form));
    EXPECT_EQ(takeMessages(), QStringList{u"Текст файла Description.ext вставлен в позицию курсора."_qs});
    EXPECT_FALSE(wizard()->isVisible());

    showWizard();
    check("CheckBox3");
    check("CheckBox4");
    setText("SoundPath", QStringLiteral("\"C:\\snd\\alarm\""));
    EXPECT_EQ(fieldText("SoundPath"), QStringLiteral("alarm"));
    click("Button5");
    EXPECT_EQ(fieldText("SoundPath"), QString());
    setText("SoundPath", QStringLiteral("my siren"));
    click("Button5");
    EXPECT_EQ(takeMessages().size(), 1); // the name is no class name
    EXPECT_EQ(fieldText("SoundPath"), QStringLiteral("my siren"));
    chosen.push_back(QStringLiteral("/home/u/snd/siren.ogg"));
    click("SoundPathBrowse");
    click("Button5");
    EXPECT_EQ(items("SoundList"), QStringList({"alarm.ogg", "siren.ogg"}));
    setText("MusicPath", QStringLiteral("/music/Theme.OGG"));
    click("Button6");
    EXPECT_EQ(items("MusList"), QStringList({"Theme.OGG"}));

    saveAs("Button9", QStringLiteral("description.ext"));
    ASSERT_EQ(fileDialogs.size(), 2u);
    EXPECT_EQ(QFileInfo(fileDialogs[1]->selectedFiles().value(0)).fileName(), QStringLiteral("description.ext"));
    const QByteArray saved = bytes(QStringLiteral("description.ext"));
    EXPECT_TRUE(saved.startsWith("class CfgSounds\r\n{\r\n\tsounds[] = {alarm.ogg, siren.ogg};\r\n"));
    EXPECT_TRUE(saved.contains("\r\n};\r\n\r\nclass CfgMusic\r\n{\r\n\ttracks[] = {Theme.OGG};\r\n"));
    EXPECT_FALSE(onlyMessage(Dialogs::Kind::Plain).isEmpty());
    EXPECT_FALSE(wizard()->isVisible());

    // Sounds survive the next showing; the weapon choice starts afresh.
    showWizard();
    EXPECT_EQ(items("SoundList").size(), 2);
    EXPECT_FALSE(control<QCheckBox>("CheckBox3")->isChecked());
}

// Class names ignore case: a file whose class is listed is refused, and the user is told why.
TEST_F(DescriptionWizardTest, ASoundOrMusicWhoseClassIsListedIsRefusedWithAWarning)
{
    start();
    showWizard();
    check("CheckBox3");
    check("CheckBox4");
    const std::tuple<const char *, const char *, const char *> groups[] = {
        {"SoundPath", "Button5", "SoundList"},
        {"MusicPath", "Button6", "MusList"},
    };
    const QString refused = u"Имя файла \"Alarm.OGG\" не годится: класс \"alarm\" уже есть в списке."_qs;
    for (const auto &[field, button, list] : groups) {
        setText(field, QStringLiteral("alarm"));
        click(button);
        setText(field, QStringLiteral("Alarm.OGG"));
        click(button);
        EXPECT_EQ(items(list), QStringList({"alarm.ogg"})) << list;
        EXPECT_EQ(onlyMessage(Dialogs::Kind::Warning), refused) << list;
        EXPECT_EQ(fieldText(field), QStringLiteral("Alarm.OGG")) << list;
    }
}

TEST_F(DescriptionWizardTest, UnitDataIsReadAtEveryShowingOfTheCurrentGame)
{
    QFile::rename(path("data/ofp_unit.dat"), path("ofp_unit.dat"));
    start(); // no unit data is read at start-up
    EXPECT_TRUE(messages.empty());
    showWizard();
    EXPECT_FALSE(onlyMessage(Dialogs::Kind::Error).isEmpty());
    EXPECT_TRUE(items("Weap").isEmpty());
    EXPECT_FALSE(enabled("Button8"));
    EXPECT_FALSE(enabled("Button9"));

    QFile::rename(path("ofp_unit.dat"), path("data/ofp_unit.dat"));
    showWizard();
    EXPECT_TRUE(enabled("Button8"));
    check("CheckBox1");
    add("Weap", "AK47", 1, "Button1");
    EXPECT_EQ(items("WeapLst").size(), 1);

    mainWindow()->setGame(Game::Arma);
    showWizard();
    EXPECT_EQ(items("Weap"), QStringList({"M16A2", "M136", "M9"}));
    EXPECT_TRUE(items("WeapLst").isEmpty());
}
