// The command help window.
#include "reference/CommandHelpWindow.h"

#include "AppError.h"
#include "AppPaths.h"
#include "common/WindowPlacement.h"
#include "gamedata/HelpCard.h"
#include "platform/Dialogs.h"
#include "ui_CommandHelpWindow.h"

#include <QHeaderView>

namespace {

constexpr int kKeyColumnWidth = 80;
constexpr int kCellPadding = 12;
constexpr int kLeft = 395; // where the window first stands
constexpr int kTop = 92;

} // namespace

CommandHelpWindow::CommandHelpWindow(QWidget *mainWindow)
    : QDialog(mainWindow), ui(std::make_unique<Ui::CommandHelpWindow>())
{
    ui->setupUi(this);
    // A tool window stays above its main window; shown, it leaves the focus where it was.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setSizeGripEnabled(true);

    QPalette palette = ui->BUDDY->palette();
    palette.setColor(QPalette::Base, QColor(0xF4, 0xF4, 0xF4));
    ui->BUDDY->setPalette(palette);
    int keyWidth = kKeyColumnWidth;
    for (int row = 0; row < HelpCard::kRows; ++row) {
        QTableWidgetItem *key = ui->BUDDY->item(row, 0);
        key->setFlags(key->flags() & ~Qt::ItemIsEditable);
        keyWidth = qMax(keyWidth, fontMetrics().horizontalAdvance(key->text()) + kCellPadding);
        ui->BUDDY->setItem(row, 1, new QTableWidgetItem);
    }
    ui->BUDDY->horizontalHeader()->resizeSection(0, keyWidth);
    // Just the seven rows; the placement, once saved, gives the size the user chose.
    setGeometry(kLeft, kTop, width(), HelpCard::kRows * ui->BUDDY->verticalHeader()->defaultSectionSize() + 2);

    m_placement = std::make_unique<WindowPlacement>(this, QStringLiteral("HelperPos"));
    m_placement->setIniFileName(AppPaths::configFile());
}

CommandHelpWindow::~CommandHelpWindow()
{
    if (!m_shown)
        return;
    try {
        m_placement->save();
    } catch (const AppError &) {
        // The settings file could not be written; the main window has reported that already.
    }
}

void CommandHelpWindow::showCard(const QStringList &rows)
{
    for (int row = 0; row < HelpCard::kRows; ++row) {
        QTableWidgetItem *value = ui->BUDDY->item(row, 1);
        value->setText(rows.value(row));
    }
    restorePlacement();
    show();
    raise();
}

QStringList CommandHelpWindow::values() const
{
    QStringList values;
    for (int row = 0; row < HelpCard::kRows; ++row)
        values.append(ui->BUDDY->item(row, 1)->text());
    return values;
}

void CommandHelpWindow::showEvent(QShowEvent *event)
{
    restorePlacement();
    QDialog::showEvent(event);
}

// Once, before the window is first seen.
void CommandHelpWindow::restorePlacement()
{
    if (m_shown)
        return;
    m_shown = true;
    try {
        m_placement->restore();
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}
