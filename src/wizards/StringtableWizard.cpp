// The stringtable.csv wizard: a grid of identifiers and texts in up to seven languages.
#include "wizards/StringtableWizard.h"

#include "platform/Dialogs.h"
#include "ui_StringtableWizard.h"
#include "wizards/StringtableModel.h"
#include "wizards/WizardIcons.h"
#include "wizards/WizardOutput.h"
#include "wizards/WizardSaveDialog.h"

#include <QHeaderView>

StringtableWizard::StringtableWizard(const CurrentGame &game, QWidget *parent)
    : WizardWindow(parent), m_game(game), ui(std::make_unique<Ui::StringtableWizard>()),
      m_model(new StringtableModel(this)),
      m_saveDialog(this, {"SAVD", QStringLiteral("Сохранить файл stringtable"), QStringLiteral("stringtable.csv"),
                          QStringLiteral("Stringtable file|stringtable.csv"), QStringLiteral(".csv")})
{
    ui->setupUi(this);
    ui->CSV->setModel(m_model);
    ui->CSV->horizontalHeader()->setDefaultSectionSize(100);
    ui->CSV->verticalHeader()->setDefaultSectionSize(20);
    ui->CSV->verticalHeader()->hide();
    // The header row in the colours of an active window's title bar.
    QPalette headerColours = ui->CSV->horizontalHeader()->palette();
    headerColours.setColor(QPalette::Button, headerColours.color(QPalette::Highlight));
    headerColours.setColor(QPalette::ButtonText, headerColours.color(QPalette::HighlightedText));
    ui->CSV->horizontalHeader()->setPalette(headerColours);
    ui->btnUP->setIcon(wizardIcon(QStringLiteral("go-up")));
    ui->SpeedButton1->setIcon(wizardIcon(QStringLiteral("go-down")));
    setCurrentCell(0, 0);

    for (QCheckBox *box : languageBoxes())
        connect(box, &QCheckBox::toggled, this, &StringtableWizard::updateLanguages);
    connect(ui->Button1, &QPushButton::clicked, this, &StringtableWizard::addRowRequested);
    connect(ui->Button6, &QPushButton::clicked, this, &StringtableWizard::insertBlankRow);
    connect(ui->Button2, &QPushButton::clicked, this, &StringtableWizard::deleteRow);
    connect(ui->Button3, &QPushButton::clicked, this, &StringtableWizard::clearRow);
    connect(ui->btnUP, &QToolButton::clicked, this, &StringtableWizard::moveRowUp);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &StringtableWizard::moveRowDown);
    connect(ui->Button4, &QPushButton::clicked, this, &StringtableWizard::insertIntoEditor);
    connect(ui->Button5, &QPushButton::clicked, this, &StringtableWizard::saveToFile);
    connect(ui->Button7, &QPushButton::clicked, this, &QWidget::hide);
    connect(ui->Button8, &QPushButton::clicked, this, &StringtableWizard::clearAll);
}

StringtableWizard::~StringtableWizard() = default;

// In the order of the file's columns.
std::array<QCheckBox *, 7> StringtableWizard::languageBoxes() const
{
    return {ui->Eng, ui->rus, ui->ger, ui->cze, ui->fre, ui->ita, ui->spa};
}

QStringList StringtableWizard::chosenLanguageNames() const
{
    QStringList names;
    for (int language : Stringtable::chosenLanguages(m_model->form().languages))
        names << Stringtable::languageNames()[language];
    return names;
}

bool StringtableWizard::isUniqueId(const QString &id) const
{
    return Stringtable::isUniqueId(m_model->form(), id);
}

void StringtableWizard::insertFilledRow(const QStringList &cells)
{
    insertBlankRow();
    const int row = currentRow();
    for (int column = 0; column < cells.size() && column < m_model->columnCount(); ++column)
        m_model->setData(m_model->index(row, column), cells[column], Qt::EditRole);
}

void StringtableWizard::updateLanguages()
{
    const QModelIndex current = ui->CSV->currentIndex();
    Stringtable::Languages languages{};
    const auto boxes = languageBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        languages[i] = boxes[i]->isChecked();
    m_model->setLanguages(languages);
    setCurrentCell(current.row(), current.column());
}

int StringtableWizard::currentRow() const
{
    return std::max(ui->CSV->currentIndex().row(), 0);
}

int StringtableWizard::selectedTopRow() const
{
    int top = currentRow();
    for (const QModelIndex &index : ui->CSV->selectionModel()->selectedIndexes())
        top = std::min(top, index.row());
    return top;
}

// The grid always has a current cell, as the user left it as far as the table's shape allows.
void StringtableWizard::setCurrentCell(int row, int column)
{
    row = std::clamp(row, 0, m_model->rowCount() - 1);
    column = std::clamp(column, 0, m_model->columnCount() - 1);
    ui->CSV->selectionModel()->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::ClearAndSelect);
}

void StringtableWizard::insertBlankRow()
{
    const QModelIndex current = ui->CSV->currentIndex();
    if (!m_model->insertBlankRow(currentRow()))
        Dialogs::beep();
    setCurrentCell(current.row(), current.column());
}

void StringtableWizard::deleteRow()
{
    const int column = ui->CSV->currentIndex().column();
    const int row = selectedTopRow();
    m_model->deleteRow(row);
    setCurrentCell(row, column);
}

void StringtableWizard::clearRow()
{
    const QModelIndex current = ui->CSV->currentIndex();
    m_model->clearRow(selectedTopRow());
    setCurrentCell(current.row(), current.column());
}

// The moves take the current row, whatever else is selected, and the current cell goes with it.
void StringtableWizard::moveRowUp()
{
    const int row = currentRow();
    if (row > 0 && m_model->moveRow(row, row - 1))
        setCurrentCell(row - 1, ui->CSV->currentIndex().column());
}

void StringtableWizard::moveRowDown()
{
    const int row = currentRow();
    if (row + 1 < m_model->rowCount() && m_model->moveRow(row, row + 1))
        setCurrentCell(row + 1, ui->CSV->currentIndex().column());
}

void StringtableWizard::clearAll()
{
    for (QCheckBox *box : languageBoxes())
        box->setChecked(false);
    m_model->clearAll();
    setCurrentCell(0, 0);
}

std::optional<QString> StringtableWizard::csvText() const
{
    std::optional<QString> text = buildStringtableCsv(m_model->form());
    if (!text)
        Dialogs::beep();
    return text;
}

void StringtableWizard::insertIntoEditor()
{
    if (const std::optional<QString> text = csvText())
        insertAndHide(*text, QStringLiteral("Текст файла Stringtable.csv вставлен в позицию курсора."));
}

void StringtableWizard::saveToFile()
{
    if (const std::optional<QString> text = csvText())
        WizardOutput::chooseAndSave(this, m_saveDialog,
                                    {*text, Games::usesUtf8(m_game.game()),
                                     QStringLiteral("Файл stringtable.csv успешно сохранен"),
                                     WizardOutput::Report::Information, false});
}
