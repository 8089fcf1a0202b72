// The list of the program's shortcut keys: fixed rows, not taken from the menus.
#include "dialogs/ShortcutListDialog.h"

#include "common/ToolWindow.h"
#include "ui_ShortcutListDialog.h"

#include <QHeaderView>

namespace {

// Rows 12 and 13 show the product name typed in the wrong layout and the wrong case: what the
// two repair commands mend.
const char *const kRows[][2] = {
    {"Создать", "Ctrl+N"},
    {"Новое окно", "Ctrl+Alt+N"},
    {"Сохранить", "Ctrl+S"},
    {"Сохранить как", "Ctrl+Shift+S"},
    {"Печать", "Ctrl+P"},
    {"Выход", "Esc"},
    {"Очистить строку", "F8"},
    {"Закомментировать/Отменить", "F4"},
    {"Вставить разделитель", "F2"},
    {"На слово вправо/влево", "Ctrl+Right/Left"},
    {"Вставка/Замена", "ins"},
    {"Мудьщкф<->Velmora", "Ctrl+T"},
    {"vELMORA<->Velmora", "Ctrl+U"},
    {"Установить маркер", "Shift+Ctrl+[Номер]"},
    {"Перейти к маркеру", "Ctrl+[Номер]"},
    {"Нормальное выделение", "Shift+Ctrl+N"},
    {"Блочное выделение", "Shift+Ctrl+C"},
    {"Найти", "Ctrl+F"},
    {"Найти далее", "F3"},
    {"Заменить", "Ctrl+R"},
    {"Перейти к строке", "Ctrl+G"},
    {"Автовставка команды", "TAB"},
};

} // namespace

ShortcutListDialog::ShortcutListDialog(QWidget *parent)
    : QDialog(parent, kToolWindow), ui(std::make_unique<Ui::ShortcutListDialog>())
{
    ui->setupUi(this);
    setModal(true);
    QTableWidget *list = ui->ValueListEditor1;
    list->setRowCount(int(std::size(kRows)));
    for (int row = 0; row < list->rowCount(); ++row)
        for (int column = 0; column < 2; ++column)
            list->setItem(row, column, new QTableWidgetItem(QString::fromUtf8(kRows[row][column])));
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    // At least the designed widths; wider where this desktop's font needs it.
    list->resizeColumnsToContents();
    list->setColumnWidth(0, qMax(180, list->columnWidth(0) + 8));
    list->setColumnWidth(1, qMax(150, list->columnWidth(1) + 8));
    list->setMinimumWidth(list->columnWidth(0) + list->columnWidth(1) + 2 * list->frameWidth() + 4);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::hide);
}

ShortcutListDialog::~ShortcutListDialog() = default;
