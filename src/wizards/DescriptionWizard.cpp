// The description.ext wizard: weapon and magazine pools from the unit data, sounds, music and
// respawn, inserted into the editor or saved in Windows-1251.
#include "wizards/DescriptionWizard.h"

#include "gamedata/DatParser.h"
#include "platform/Dialogs.h"
#include "ui_DescriptionWizard.h"
#include "wizards/DescriptionExt.h"
#include "wizards/UnitData.h"
#include "wizards/WizardBrowse.h"
#include "wizards/WizardFileNames.h"
#include "wizards/WizardIcons.h"
#include "wizards/WizardOutput.h"
#include "wizards/WizardSaveDialog.h"

#include <QShowEvent>

namespace {

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void setAllEnabled(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}

} // namespace

DescriptionWizard::DescriptionWizard(const CurrentGame &game, QWidget *parent)
    : WizardWindow(parent), m_game(game), ui(std::make_unique<Ui::DescriptionWizard>()),
      m_saveDialog(this, {"DSV", QStringLiteral("Сохранить как"), QStringLiteral("description.ext"),
                          QStringLiteral("Description file (*.ext)|*.ext|All files (*.*)|*.*"), QString()})
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Not resizable: the designed size, or as much more as the controls need in this font.
    setFixedSize(size().expandedTo(minimumSizeHint()));
    ui->SoundPathBrowse->setIcon(wizardIcon(QStringLiteral("document-open")));
    ui->MusicPathBrowse->setIcon(wizardIcon(QStringLiteral("document-open")));
    connectControls();
    disableGroups();
}

DescriptionWizard::~DescriptionWizard() = default;

void DescriptionWizard::connectControls()
{
    connect(ui->CheckBox1, &QCheckBox::toggled, this, &DescriptionWizard::setWeaponGroupEnabled);
    connect(ui->CheckBox2, &QCheckBox::toggled, this, &DescriptionWizard::setRespawnGroupEnabled);
    connect(ui->CheckBox3, &QCheckBox::toggled, this, &DescriptionWizard::setSoundGroupEnabled);
    connect(ui->CheckBox4, &QCheckBox::toggled, this, &DescriptionWizard::setMusicGroupEnabled);
    connect(ui->Button1, &QPushButton::clicked, this, [this] { addPoolEntry(ui->Weap, ui->WeapC, ui->WeapLst); });
    connect(ui->Button2, &QPushButton::clicked, this, [this] { addPoolEntry(ui->Mag, ui->MagC, ui->MagLst); });
    connect(ui->Button3, &QPushButton::clicked, this, &DescriptionWizard::addEquipment);
    connect(ui->Button11, &QPushButton::clicked, this, [this] { removeSelected(ui->WeapLst); });
    connect(ui->Button13, &QPushButton::clicked, this, [this] { removeSelected(ui->MagLst); });
    connect(ui->Button12, &QPushButton::clicked, ui->WeapLst, &QListWidget::clear);
    connect(ui->Button14, &QPushButton::clicked, ui->MagLst, &QListWidget::clear);
    connect(ui->SoundPath, &QLineEdit::textChanged, this, [this] { reduceToFileName(ui->SoundPath); });
    connect(ui->MusicPath, &QLineEdit::textChanged, this, [this] { reduceToFileName(ui->MusicPath); });
    connect(ui->SoundPathBrowse, &QToolButton::clicked, this, &DescriptionWizard::browseSound);
    connect(ui->MusicPathBrowse, &QToolButton::clicked, this, &DescriptionWizard::browseMusic);
    connect(ui->Button5, &QPushButton::clicked, this, [this] { addOggFile(ui->SoundPath, ui->SoundList); });
    connect(ui->Button6, &QPushButton::clicked, this, [this] { addOggFile(ui->MusicPath, ui->MusList); });
    connect(ui->Button4, &QPushButton::clicked, this, [this] { removeSelected(ui->SoundList); });
    connect(ui->Button7, &QPushButton::clicked, this, [this] { removeSelected(ui->MusList); });
    connect(ui->Button8, &QPushButton::clicked, this, &DescriptionWizard::insertIntoEditor);
    connect(ui->Button9, &QPushButton::clicked, this, &DescriptionWizard::saveToFile);
    connect(ui->Button10, &QPushButton::clicked, this, &QWidget::hide);
}

void DescriptionWizard::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

void DescriptionWizard::refresh()
{
    clearUnitChoices();
    const std::unique_ptr<DatParser> unitData = UnitData::load(this, m_game.game());
    // Without the game's data the wizard offers nothing and writes nothing.
    ui->Button8->setEnabled(unitData != nullptr);
    ui->Button9->setEnabled(unitData != nullptr);
    if (unitData) {
        const DescriptionPools pools = descriptionPools(*unitData);
        ui->Weap->addItems(pools.weapons);
        ui->Mag->addItems(pools.magazines);
        ui->Equ->addItems(pools.equipment);
    }
    disableGroups();
    for (QComboBox *pool : {ui->Weap, ui->Mag, ui->Equ})
        pool->setCurrentIndex(pool->count() > 0 ? 0 : -1);
}

void DescriptionWizard::clearUnitChoices()
{
    for (QComboBox *pool : {ui->Weap, ui->Mag, ui->Equ})
        pool->clear();
    ui->WeapLst->clear();
    ui->MagLst->clear();
    for (QCheckBox *box : {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4})
        box->setChecked(false);
}

void DescriptionWizard::disableGroups()
{
    setWeaponGroupEnabled(false);
    setRespawnGroupEnabled(false);
    setSoundGroupEnabled(false);
    setMusicGroupEnabled(false);
}

void DescriptionWizard::setWeaponGroupEnabled(bool on)
{
    ui->GroupBox2->setEnabled(on);
}

void DescriptionWizard::setRespawnGroupEnabled(bool on)
{
    setAllEnabled({ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4, ui->RadioButton5,
                   ui->RadioButton6, ui->RxSpinEdit1, ui->RespawnDelayLabel},
                  on);
}

void DescriptionWizard::setSoundGroupEnabled(bool on)
{
    setAllEnabled({ui->SoundPath, ui->SoundPathBrowse, ui->SoundList, ui->Button4, ui->Button5}, on);
}

void DescriptionWizard::setMusicGroupEnabled(bool on)
{
    setAllEnabled({ui->MusicPath, ui->MusicPathBrowse, ui->MusList, ui->Button6, ui->Button7}, on);
}

void DescriptionWizard::addPoolEntry(QComboBox *pool, QSpinBox *count, QListWidget *list)
{
    if (pool->currentIndex() < 0 || count->value() <= 0)
        return;
    const QString entry = PoolEntry::make(pool->currentText(), count->value());
    if (!PoolEntry::hasTwin(entries(list), entry))
        list->addItem(entry);
}

void DescriptionWizard::addEquipment()
{
    // Binoculars and goggles are weapons to the game; every other item goes with the magazines.
    const bool weapon = PoolEntry::isWeaponEquipment(ui->Equ->currentText());
    addPoolEntry(ui->Equ, ui->EquC, weapon ? ui->WeapLst : ui->MagLst);
}

void DescriptionWizard::removeSelected(QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

void DescriptionWizard::reduceToFileName(QLineEdit *edit)
{
    const QString name = WizardFileNames::bareFileName(WizardFileNames::withoutQuotePair(edit->text()));
    if (name != edit->text())
        edit->setText(name);
}

void DescriptionWizard::addOggFile(QLineEdit *edit, QListWidget *list)
{
    if (edit->text().isEmpty())
        return;
    const QString entry = WizardFileNames::oggEntry(edit->text());
    const QString className = WizardFileNames::oggClassName(entry);
    if (!WizardFileNames::isClassName(className)) {
        Dialogs::warning(this, QStringLiteral("Имя файла \"%1\" не годится для имени класса: допустимы только "
                                              "латинские буквы, цифры и знак подчеркивания, без пробелов.")
                                   .arg(entry));
        return;
    }
    // Two classes of one name would clash in the game's config; class names ignore case.
    for (const QString &listed : entries(list)) {
        const QString listedClass = WizardFileNames::oggClassName(listed);
        if (listedClass.compare(className, Qt::CaseInsensitive) == 0) {
            Dialogs::warning(this, QStringLiteral("Имя файла \"%1\" не годится: класс \"%2\" уже есть в списке.")
                                       .arg(entry, listedClass));
            return;
        }
    }
    list->addItem(entry);
    edit->clear();
}

void DescriptionWizard::browseSound()
{
    const QString path = WizardBrowse::chooseFile(
        m_soundDialog, this, {"SoundPathDialog", QStringLiteral("Открыть"), QStringLiteral("OGG (*.ogg)|*.ogg")});
    if (!path.isEmpty())
        ui->SoundPath->setText(path);
}

void DescriptionWizard::browseMusic()
{
    const QString path = WizardBrowse::chooseFile(
        m_musicDialog, this, {"MusicPathDialog", QStringLiteral("Открыть"), QStringLiteral("Все файлы (*.*)|*.*")});
    if (!path.isEmpty())
        ui->MusicPath->setText(path);
}

DescriptionExtForm DescriptionWizard::form() const
{
    DescriptionExtForm f;
    f.weaponsOn = ui->CheckBox1->isChecked();
    f.respawnOn = ui->CheckBox2->isChecked();
    f.soundsOn = ui->CheckBox3->isChecked();
    f.musicOn = ui->CheckBox4->isChecked();
    f.weaponEntries = entries(ui->WeapLst);
    f.magazineEntries = entries(ui->MagLst);
    f.soundEntries = entries(ui->SoundList);
    f.musicEntries = entries(ui->MusList);
    for (QRadioButton *type : {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4,
                               ui->RadioButton5, ui->RadioButton6})
        if (type->isChecked())
            f.respawnType = type->text();
    f.respawnDelay = ui->RxSpinEdit1->value();
    return f;
}

void DescriptionWizard::insertIntoEditor()
{
    insertAndHide(buildDescriptionExt(form()), QStringLiteral("Текст файла Description.ext вставлен в позицию курсора."));
}

void DescriptionWizard::saveToFile()
{
    // The game reads description.ext in the ANSI code page in both games.
    WizardOutput::chooseAndSave(this, m_saveDialog,
                                {buildDescriptionExt(form()), false, QStringLiteral("Файл %1 сохранен."),
                                 WizardOutput::Report::Plain});
}
