// The unit loadout wizard: weapons, magazines and equipment against the unit's capacity.
#include "wizards/UnitWizard.h"

#include "gamedata/DatParser.h"
#include "platform/Dialogs.h"
#include "SharedRandom.h"
#include "wizards/InitLine.h"
#include "wizards/UnitData.h"
#include "wizards/UnitLoad.h"
#include "wizards/UnitScript.h"
#include "wizards/WizardOutput.h"
#include "wizards/WizardSaveDialog.h"

#include "ui_UnitWizard.h"

#include <QHideEvent>
#include <QSignalBlocker>

namespace {

enum Section { Primary = 0, Secondary = 1, Handgun = 2, Equipment = 3 };

const QString kNone = QStringLiteral("НЕТ");
constexpr int kNoLimit = 9999; // the script lists every magazine's number: keep the text finite
constexpr int kCountRole = Qt::UserRole;

QString equipmentEntry(int count, const QString &item)
{
    return u'(' + QString::number(count) + QStringLiteral(") ") + item;
}

} // namespace

UnitWizard::UnitWizard(const CurrentGame &game, QWidget *parent)
    : WizardWindow(parent), ui(std::make_unique<Ui::UnitWizard>()), m_game(game),
      m_saveDialog(this, {"SVDD", QStringLiteral("Сохранить скрипт юнита как"), QString(),
                          QStringLiteral("Скрипты (*.sqs)|*.sqs|Все файлы (*.*)|*"), QString()})
{
    ui->setupUi(this);
    // The warning comes and goes with the load; the window keeps its size.
    QSizePolicy warningPolicy = ui->OverL->sizePolicy();
    warningPolicy.setRetainSizeWhenHidden(true);
    ui->OverL->setSizePolicy(warningPolicy);
    connectControls();
    // A game switch forgets the weapons remembered from the other game's lists.
    connect(&m_game, &CurrentGame::changed, this, [this] { m_remembered = {}; });
}

UnitWizard::~UnitWizard() = default;

void UnitWizard::connectControls()
{
    const auto chosen = [this] {
        applyCountStates();
        updateCapacity();
    };
    for (QComboBox *list : {ui->PR, ui->SW, ui->HG})
        connect(list, &QComboBox::activated, this, chosen);
    connect(ui->IsSniper, &QCheckBox::toggled, this, chosen);
    for (QSpinBox *count : {ui->PRMG, ui->PRGR, ui->SWMG, ui->HGMG})
        connect(count, &QSpinBox::valueChanged, this, &UnitWizard::updateCapacity);
    connect(ui->RemGir, &QCheckBox::toggled, this, &UnitWizard::updateCapacity);
    connect(ui->AddOne, &QPushButton::clicked, this, [this] { changeEquipmentCount(1); });
    connect(ui->RemoveOne, &QPushButton::clicked, this, [this] { changeEquipmentCount(-1); });
    connect(ui->Button4, &QPushButton::clicked, this, &UnitWizard::reset);
    connect(ui->Button3, &QPushButton::clicked, this, &UnitWizard::insertScript);
    connect(ui->Button2, &QPushButton::clicked, this, &UnitWizard::saveScript);
    connect(ui->GenInit, &QPushButton::clicked, this, &UnitWizard::showInitLine);
    connect(ui->Button1, &QPushButton::clicked, this, &UnitWizard::close);
}

// "Снайпер" is a rule of OFP's alone, offered by the game in force at each showing.
void UnitWizard::offerSniper()
{
    const bool offered = m_game.game() == Game::Ofp;
    ui->IsSniper->setEnabled(offered);
    if (!offered)
        ui->IsSniper->setChecked(false); // a rule the game does not have must not stay in force
}

void UnitWizard::setVisible(bool visible)
{
    if (visible && isHidden())
        prepareShowing();
    WizardWindow::setVisible(visible);
}

// Any closing keeps the positions of the three weapon lists.
void UnitWizard::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) {
        m_remembered = {ui->PR->currentIndex(), ui->SW->currentIndex(), ui->HG->currentIndex()};
    }
    QDialog::hideEvent(event);
}

void UnitWizard::prepareShowing()
{
    offerSniper();
    ui->GenInit->setText(QStringLiteral("Строка для поля\nинициализации"));
    m_data = UnitData::load(this, m_game.game()); // the game may have changed since the last showing
    if (!m_firstShow)
        reset();
    ui->OverL->hide();
    ui->OverL->setText(QStringLiteral("ВНИМАНИЕ!\nЮнит перегружен.\nВозможны проблемы в работе"));
    proposeName();
    fillLists();
    selectRememberedWeapons();
    setCountLimits();
    ui->EQ->setCurrentRow(0);
    ui->Button1->setFocus();
    m_firstShow = false;
    setOutputsEnabled(m_data != nullptr);
    updateCapacity();
}

void UnitWizard::fillLists()
{
    for (QComboBox *list : {ui->PR, ui->SW, ui->HG})
        list->clear();
    fillEquipment();
    if (!m_data)
        return;
    const std::pair<QComboBox *, int> lists[] = {{ui->PR, Primary}, {ui->SW, Secondary}, {ui->HG, Handgun}};
    for (const auto &[list, section] : lists) {
        const DatSection &records = *m_data->sections[size_t(section)];
        list->addItem(kNone);
        for (int i = 0; i < records.lines.size(); ++i)
            list->addItem(records.nameAt(i));
    }
}

void UnitWizard::fillEquipment()
{
    ui->EQ->clear();
    if (!m_data)
        return;
    const DatSection &records = *m_data->sections[Equipment];
    for (int i = 0; i < records.lines.size(); ++i) {
        auto *entry = new QListWidgetItem(equipmentEntry(0, records.nameAt(i)), ui->EQ);
        entry->setData(kCountRole, 0);
    }
}

void UnitWizard::selectRememberedWeapons()
{
    const std::pair<QComboBox *, int> lists[] = {
        {ui->PR, m_remembered.primary}, {ui->SW, m_remembered.secondary}, {ui->HG, m_remembered.handgun}};
    for (const auto &[list, index] : lists)
        list->setCurrentIndex(index > 0 && index < list->count() ? index : 0);
    // The counts of a weapon shown as chosen are open to the user.
    applyCountStates();
}

void UnitWizard::setCountLimits()
{
    const bool ofp = !m_game.isArma();
    const QSignalBlocker blockHandgun(ui->HGMG), blockGrenades(ui->PRGR);
    ui->Capa->setMaximum(ofp ? UnitCapacity::kOfp : UnitCapacity::kArma);
    ui->HGMG->setMaximum(ofp ? 4 : 8);
    ui->PRGR->setMaximum(ofp ? kNoLimit : 8);
}

void UnitWizard::proposeName()
{
    ui->NamEd->setText(QStringLiteral("unit_") + QString::number(SharedRandom::below(999)));
}

// The form as a new unit, the load worked out once at the end with the equipment now listed.
void UnitWizard::reset()
{
    for (QComboBox *list : {ui->PR, ui->SW, ui->HG})
        list->setCurrentIndex(0);
    for (QSpinBox *count : {ui->PRMG, ui->PRGR, ui->SWMG, ui->HGMG}) {
        const QSignalBlocker block(count);
        count->setValue(0);
    }
    const std::pair<QCheckBox *, bool> checks[] = {
        {ui->IsSniper, false}, {ui->RemGir, true}, {ui->Binok, false}, {ui->PNV, false}};
    for (const auto &[box, checked] : checks) {
        const QSignalBlocker block(box);
        box->setChecked(checked);
    }
    fillEquipment();
    ui->EQ->setCurrentRow(0);
    applyCountStates();
    proposeName();
    m_remembered = {};
    updateCapacity();
}

void UnitWizard::applyCountStates()
{
    const UnitForm f = form();
    ui->PRMG->setEnabled(f.primary.chosen());
    ui->PRGR->setEnabled(f.primary.hasLauncher());
    ui->SW->setEnabled(!f.sniper);
    ui->SWMG->setEnabled(f.secondary.chosen() && !f.sniper);
    ui->HGMG->setEnabled(f.handgun.chosen());
}

void UnitWizard::changeEquipmentCount(int delta)
{
    QListWidgetItem *entry = ui->EQ->currentItem();
    if (!entry || !m_data) {
        Dialogs::beep();
        return;
    }
    const int count = std::max(0, entry->data(kCountRole).toInt() + delta);
    entry->setData(kCountRole, count);
    entry->setText(equipmentEntry(count, m_data->sections[Equipment]->nameAt(ui->EQ->row(entry))));
    updateCapacity();
}

void UnitWizard::updateCapacity()
{
    const UnitLoad l = UnitCapacity::load(form());
    ui->Capa->setMaximum(l.maximum);
    ui->Capa->setValue(int(std::min<qint64>(l.load, l.maximum)));
    ui->CAPL->setText(QString::number(l.load) + u'/' + QString::number(l.maximum));
    ui->OverL->setVisible(l.overloaded());
}

void UnitWizard::insertScript()
{
    insertAndHide(UnitScript::script(form()), WizardOutput::kScriptInserted);
}

void UnitWizard::saveScript()
{
    WizardOutput::chooseAndSave(this, m_saveDialog,
                                {UnitScript::script(form()), false, WizardOutput::kScriptSaved, WizardOutput::Report::Plain},
                                ui->NamEd->text() + QStringLiteral(".sqs"));
}

void UnitWizard::showInitLine()
{
    const QString line = InitLine::forUnit(form());
    if (!line.isEmpty())
        emit initLineRequested(line, this);
}

// Without unit data there is nothing to give the unit.
void UnitWizard::setOutputsEnabled(bool enabled)
{
    for (QWidget *output : {static_cast<QWidget *>(ui->Button3), static_cast<QWidget *>(ui->Button2),
                            static_cast<QWidget *>(ui->GenInit)})
        output->setEnabled(enabled);
}

UnitWeapon UnitWizard::chosenWeapon(int section, const QComboBox *list) const
{
    const int index = list->currentIndex();
    if (!m_data || index < 1)
        return {};
    return UnitScript::weaponFromRecord(m_data->sections[size_t(section)]->params(index - 1));
}

UnitForm UnitWizard::form() const
{
    UnitForm f;
    f.name = ui->NamEd->text();
    f.primary = chosenWeapon(Primary, ui->PR);
    f.primary.magazines = ui->PRMG->value();
    f.primary.grenades = ui->PRGR->value();
    f.secondary = chosenWeapon(Secondary, ui->SW);
    f.secondary.magazines = ui->SWMG->value();
    f.handgun = chosenWeapon(Handgun, ui->HG);
    f.handgun.magazines = ui->HGMG->value();
    if (m_data) {
        const DatSection &records = *m_data->sections[Equipment];
        // Entry i stands for record i; the list is filled from these records.
        for (int i = 0; i < ui->EQ->count() && i < records.lines.size(); ++i) {
            UnitEquipment e = UnitScript::equipmentFromRecord(records.params(i));
            e.count = ui->EQ->item(i)->data(kCountRole).toInt();
            f.equipment.append(e);
        }
    }
    f.removeStandardArms = ui->RemGir->isChecked();
    f.binoculars = ui->Binok->isChecked();
    f.nightVision = ui->PNV->isChecked();
    f.sniper = ui->IsSniper->isChecked();
    f.game = m_game.game();
    return f;
}
