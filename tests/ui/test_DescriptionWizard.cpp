// The description.ext wizard: pools from the unit data, entries, sounds, insert and save. The text
// and the file-name rules are checked in the core tests.
#include "WizardFixture.h"

#include "wizards/DescriptionExt.h"
#include "wizards/DescriptionWizard.h"

constexpr const char *kWeaponsBox = "CheckBox1"; // Выбор оружия
constexpr const char *kRespawnBox = "CheckBox2"; // Респаун
constexpr const char *kSoundsBox = "CheckBox3";  // Звуки
constexpr const char *kMusicBox = "CheckBox4";   // Музыка
constexpr const char *kWeaponsGroup = "GroupBox2";
constexpr const char *kAddWeapon = "Button1";
constexpr const char *kAddMagazine = "Button2";
constexpr const char *kAddEquipment = "Button3";
constexpr const char *kRemoveMagazine = "Button13";
constexpr const char *kBaseRespawn = "RadioButton4";
constexpr const char *kRespawnDelay = "RxSpinEdit1";
constexpr const char *kAddSound = "Button5";
constexpr const char *kAddMusic = "Button6";
constexpr const char *kInsert = "Button8";
constexpr const char *kSave = "Button9";

// The unit data are those of the test program folder, tests/fixtures/exe.
class DescriptionWizardTest : public WizardFixture
{
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        start();
        showWizard();
    }
    DescriptionWizard *wizard() const { return windows->descriptionWizard(); }
    void showWizard() // again: the wizard prepares itself at every showing
    {
        wizard()->hide();
        open(wizard());
    }
    // The user picks `item` in a pool, sets its count beside it and adds it.
    void add(const char *pool, const QString &item, int count, const char *button)
    {
        control<QComboBox>(pool)->setCurrentText(item);
        control<QSpinBox>(QByteArray(pool).append('C').constData())->setValue(count);
        click(button);
    }
    // The user adds a sound or music file by its typed path.
    void addFile(const char *field, const char *button, const QString &typed)
    {
        setText(field, typed);
        click(button);
    }
};

// A class already listed keeps its first count; binoculars are a weapon to the game.
TEST_F(DescriptionWizardTest, TheWeaponListsHoldEachClassOnceUntilRemoved)
{
    EXPECT_FALSE(enabled(kWeaponsGroup));
    check(kWeaponsBox);
    EXPECT_TRUE(enabled(kWeaponsGroup));
    add("Weap", "M16", 2, kAddWeapon);
    add("Weap", "M16", 5, kAddWeapon);
    add("Weap", "AK47", 0, kAddWeapon); // no count, no entry
    add("Mag", "Mortar", 3, kAddMagazine);
    add("Equ", "Binocular", 1, kAddEquipment);
    add("Equ", "Mine", 1, kAddEquipment);
    EXPECT_EQ(items("WeapLst"), QStringList({"M16 (2)", "Binocular (1)"}));
    EXPECT_EQ(items("MagLst"), QStringList({"Mortar (3)", "Mine (1)"}));
    control<QListWidget>("MagLst")->setCurrentRow(0);
    click(kRemoveMagazine);
    EXPECT_EQ(items("MagLst"), QStringList({"Mine (1)"}));
}

TEST_F(DescriptionWizardTest, InsertReplacesTheSelectionWithTheFormsTextAndCloses)
{
    check(kWeaponsBox);
    add("Weap", "M16", 2, kAddWeapon);
    add("Mag", "Mortar", 3, kAddMagazine);
    check(kRespawnBox);
    control<QRadioButton>(kBaseRespawn)->setChecked(true);
    control<QSpinBox>(kRespawnDelay)->setValue(30);
    type(QStringLiteral("before"));
    editor()->selectAll();
    click(kInsert);
    EXPECT_EQ(text(), buildDescriptionExt({true, true, false, false, {"M16 (2)"}, {"Mortar (3)"}, {}, {}, "BASE", 30}));
    EXPECT_EQ(takeMessages(), QStringList{u"Текст файла Description.ext вставлен в позицию курсора."_qs});
    EXPECT_FALSE(wizard()->isVisible());
}

// A typed or browsed path is cut to the file's name, with ".ogg" when it has no extension; a name
// that is no class name is refused.
TEST_F(DescriptionWizardTest, ASoundOrMusicPathIsAddedByItsFileName)
{
    EXPECT_FALSE(enabled("SoundPath"));
    check(kSoundsBox);
    check(kMusicBox);
    setText("SoundPath", QStringLiteral("\"C:\\snd\\alarm\""));
    EXPECT_EQ(fieldText("SoundPath"), QStringLiteral("alarm"));
    click(kAddSound);
    EXPECT_EQ(fieldText("SoundPath"), QString());
    addFile("SoundPath", kAddSound, QStringLiteral("my siren"));
    EXPECT_EQ(takeMessages().size(), 1);
    EXPECT_EQ(fieldText("SoundPath"), QStringLiteral("my siren"));
    chosen.push_back(QStringLiteral("/home/u/snd/siren.ogg"));
    click("SoundPathBrowse");
    click(kAddSound);
    EXPECT_EQ(items("SoundList"), QStringList({"alarm.ogg", "siren.ogg"}));
    addFile("MusicPath", kAddMusic, QStringLiteral("/music/Theme.OGG"));
    EXPECT_EQ(items("MusList"), QStringList({"Theme.OGG"}));
}

// Class names ignore case: a file whose class is listed is refused, and the user is told why.
TEST_F(DescriptionWizardTest, ASoundOrMusicWhoseClassIsListedIsRefusedWithAWarning)
{
    check(kSoundsBox);
    check(kMusicBox);
    const std::tuple<const char *, const char *, const char *> groups[] = {
        {"SoundPath", kAddSound, "SoundList"},
        {"MusicPath", kAddMusic, "MusList"},
    };
    const QString refused = u"Имя файла \"Alarm.OGG\" не годится: класс \"alarm\" уже есть в списке."_qs;
    for (const auto &[field, button, list] : groups) {
        addFile(field, button, QStringLiteral("alarm"));
        addFile(field, button, QStringLiteral("Alarm.OGG"));
        EXPECT_EQ(items(list), QStringList({"alarm.ogg"})) << list;
        EXPECT_EQ(onlyMessage(Dialogs::Kind::Warning), refused) << list;
        EXPECT_EQ(fieldText(field), QStringLiteral("Alarm.OGG")) << list;
    }
}

TEST_F(DescriptionWizardTest, SaveWritesTheSoundsAndMusicToTheProposedDescriptionExt)
{
    check(kSoundsBox);
    check(kMusicBox);
    addFile("SoundPath", kAddSound, QStringLiteral("alarm"));
    addFile("SoundPath", kAddSound, QStringLiteral("siren"));
    addFile("MusicPath", kAddMusic, QStringLiteral("Theme.OGG"));
    saveAs(kSave, QStringLiteral("description.ext"));
    EXPECT_EQ(proposedName(), QStringLiteral("description.ext"));
    const QByteArray saved = bytes(QStringLiteral("description.ext"));
    EXPECT_TRUE(saved.startsWith("class CfgSounds\r\n{\r\n\tsounds[] = {alarm.ogg, siren.ogg};\r\n"));
    EXPECT_TRUE(saved.contains("\r\n};\r\n\r\nclass CfgMusic\r\n{\r\n\ttracks[] = {Theme.OGG};\r\n"));
    EXPECT_FALSE(onlyMessage(Dialogs::Kind::Plain).isEmpty());
    EXPECT_FALSE(wizard()->isVisible());
}

// The boxes start afresh.
TEST_F(DescriptionWizardTest, ANewShowingKeepsTheSoundsButNotTheBoxes)
{
    check(kWeaponsBox);
    check(kSoundsBox);
    addFile("SoundPath", kAddSound, QStringLiteral("alarm"));
    showWizard();
    EXPECT_EQ(items("SoundList"), QStringList({"alarm.ogg"}));
    EXPECT_FALSE(control<QCheckBox>(kSoundsBox)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(kWeaponsBox)->isChecked());
}

TEST_F(DescriptionWizardTest, UnitDataIsReadAtEveryShowingOfTheCurrentGame)
{
    windows.reset();
    QFile::rename(path("data/ofp_unit.dat"), path("ofp_unit.dat"));
    start(); // no unit data is read at start-up
    EXPECT_TRUE(messages.empty());
    showWizard();
    EXPECT_FALSE(onlyMessage(Dialogs::Kind::Error).isEmpty());
    EXPECT_TRUE(items("Weap").isEmpty());
    EXPECT_FALSE(enabled(kInsert));
    EXPECT_FALSE(enabled(kSave));
    QFile::rename(path("ofp_unit.dat"), path("data/ofp_unit.dat"));
    showWizard();
    EXPECT_EQ(items("Weap"), QStringList({"M16", "AK47", "LAWLauncher", "Beretta"}));
    EXPECT_TRUE(enabled(kInsert));
    check(kWeaponsBox);
    add("Weap", "AK47", 1, kAddWeapon);
    EXPECT_EQ(items("WeapLst").size(), 1);
    mainWindow()->setGame(Game::Arma);
    showWizard();
    EXPECT_EQ(items("Weap"), QStringList({"M16A2", "M136", "M9"}));
    EXPECT_TRUE(items("WeapLst").isEmpty());
}
