// The ammunition crate wizard: weapons, magazines and equipment put in a crate with their counts.
#include "wizards/CrateWizard.h"

#include "gamedata/DatParser.h"
#include "SharedRandom.h"
#include "wizards/InitLine.h"
#include "wizards/UnitData.h"
#include "wizards/WizardOutput.h"
#include "wizards/WizardSaveDialog.h"

#include "ui_CrateWizard.h"


namespace {

// The entry chosen in the list; text typed over it chooses nothing.
QString chosenClass(const QComboBox *list)
{
    const int index = list->currentIndex();
    if (index < 0 || list->currentText() != list->itemText(index))
        return {};
    return list->itemText(index);
}

void refill(QComboBox *list, const QStringList &entries)
{
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

} // namespace

CrateWizard::CrateWizard(const CurrentGame &game, QWidget *parent)
    : WizardWindow(parent), ui(std::make_unique<Ui::CrateWizard>()), m_game(game),
      m_saveDialog(this, {"Savik", QStringLiteral("Сохранить скрипт ящика как"), QString(),
                          QStringLiteral("Скрипты (*.sqs)|*.sqs|Все файлы (*.*)|*"), QString()})
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    connectControls();
}

CrateWizard::~CrateWizard() = default;

void CrateWizard::connectControls()
{
    connect(ui->Button1, &QPushButton::clicked, this, [this] { addCargo(ui->Weap, ui->WeapRX, CargoKind::Weapon); });
    connect(ui->Button2, &QPushButton::clicked, this, [this] { addCargo(ui->Mag, ui->MagRX, CargoKind::Magazine); });
    connect(ui->Button3, &QPushButton::clicked, this, &CrateWizard::addEquipment);
    connect(ui->Button4, &QPushButton::clicked, this, &CrateWizard::removeSelected);
    connect(ui->Button5, &QPushButton::clicked, this, &CrateWizard::removeAll);
    connect(ui->Button6, &QPushButton::clicked, this, &CrateWizard::insertScript);
    connect(ui->Button7, &QPushButton::clicked, this, &CrateWizard::saveScript);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &CrateWizard::showInitLine);
}

void CrateWizard::setVisible(bool visible)
{
    if (visible && isHidden())
        prepareShowing();
    WizardWindow::setVisible(visible);
}

void CrateWizard::prepareShowing()
{
    ui->BitBtn1->setText(QStringLiteral("Строка для поля\nинициализации"));
    const std::unique_ptr<DatParser> unitData = UnitData::load(this, m_game.game());
    const CratePools pools = unitData ? CrateScript::pools(*unitData) : CratePools{};
    refill(ui->Weap, pools.weapons);
    refill(ui->Mag, pools.magazines);
    refill(ui->Equ, pools.equipment);
    for (QWidget *output : {static_cast<QWidget *>(ui->Button6), static_cast<QWidget *>(ui->Button7),
                            static_cast<QWidget *>(ui->BitBtn1)})
        output->setEnabled(unitData != nullptr);
    SharedRandom::seedFromClock();
    proposeName();
}

void CrateWizard::proposeName()
{
    ui->NamED->setText(QStringLiteral("crate_") + QString::number(SharedRandom::below(999)));
}

void CrateWizard::addCargo(const QComboBox *list, const QSpinBox *count, CargoKind kind)
{
    const CrateCargo cargo{kind, chosenClass(list), count->value()};
    if (!CrateScript::canAdd(m_cargo, cargo))
        return;
    m_cargo.append(cargo);
    ui->CRT->addItem(CrateScript::cargoLine(cargo));
}

void CrateWizard::addEquipment()
{
    addCargo(ui->Equ, ui->EquRX, CrateScript::equipmentKind(chosenClass(ui->Equ)));
}

void CrateWizard::removeSelected()
{
    const QList<QListWidgetItem *> selected = ui->CRT->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = ui->CRT->row(selected.first());
    m_cargo.removeAt(row);
    delete ui->CRT->takeItem(row);
}

void CrateWizard::removeAll()
{
    m_cargo.clear();
    ui->CRT->clear();
    proposeName();
}

void CrateWizard::insertScript()
{
    insertAndHide(CrateScript::script(form()), WizardOutput::kScriptInserted);
}

void CrateWizard::saveScript()
{
    WizardOutput::chooseAndSave(this, m_saveDialog,
                                {CrateScript::script(form()), false, WizardOutput::kScriptSaved, WizardOutput::Report::Plain},
                                ui->NamED->text() + QStringLiteral(".sqs"));
}

void CrateWizard::showInitLine()
{
    const QString line = InitLine::forCrate(form());
    if (!line.isEmpty())
        emit initLineRequested(line, this);
}

CrateForm CrateWizard::form() const
{
    return {ui->NamED->text(), ui->CheckBox1->isChecked(), m_cargo};
}
