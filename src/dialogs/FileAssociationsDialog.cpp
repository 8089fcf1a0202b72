// The file-type registration dialog: the ticked types written into the user's XDG folders.
#include "dialogs/FileAssociationsDialog.h"

#include "AppError.h"
#include "platform/DesktopDatabase.h"
#include "platform/Dialogs.h"
#include "system/FileTypeRegistration.h"
#include "common/ToolWindow.h"
#include "ui_FileAssociationsDialog.h"

#include <QCoreApplication>

FileAssociationsDialog::FileAssociationsDialog(QWidget *parent)
    : QDialog(parent, kToolWindow), ui(std::make_unique<Ui::FileAssociationsDialog>())
{
    ui->setupUi(this);
    connect(ui->Button1, &QPushButton::clicked, this, &FileAssociationsDialog::registerTypes);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::hide);
}

FileAssociationsDialog::~FileAssociationsDialog() = default;

// A failure names the type and stops; the types before it stay registered, and no success is
// claimed.
void FileAssociationsDialog::registerTypes()
{
    const QCheckBox *boxes[] = {ui->cSQS, ui->cSQF, ui->cEXT, ui->cCSV, ui->cSQM};
    const FileTypeRegistration registration(DesktopDatabase::dataHome(), DesktopDatabase::configHome(),
                                            QCoreApplication::applicationFilePath());
    int registered = 0;
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        if (!boxes[i]->isChecked())
            continue;
        const FileType &type = FileTypeRegistration::types()[i];
        try {
            registration.registerType(type);
            ++registered;
        } catch (const AppError &error) {
            if (registered > 0)
                DesktopDatabase::refresh();
            Dialogs::error(this, QStringLiteral("Тип файлов %1 не зарегистрирован.\n%2")
                                     .arg(QLatin1String(type.name), error.message()));
            return;
        }
    }
    if (registered == 0) {
        Dialogs::beep();
        return;
    }
    DesktopDatabase::refresh();
    Dialogs::plain(this, QStringLiteral("Выбранные типы файлов зарегистрированы."));
}
