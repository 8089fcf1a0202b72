// Modal dialogs through exec(), or through the tests' handlers.
#include "platform/ModalDialogs.h"

#include <QFileDialog>

namespace {

ModalDialogs::FileHandler &fileHandler()
{
    static ModalDialogs::FileHandler h;
    return h;
}

ModalDialogs::ConfirmHandler &confirmHandler()
{
    static ModalDialogs::ConfirmHandler h;
    return h;
}

} // namespace

namespace ModalDialogs {

QString chooseFile(QFileDialog &dialog)
{
    if (fileHandler())
        return fileHandler()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool confirm(QDialog &dialog)
{
    if (confirmHandler())
        return confirmHandler()(dialog);
    return dialog.exec() == QDialog::Accepted;
}

void setFileHandler(FileHandler handler)
{
    fileHandler() = std::move(handler);
}

void setConfirmHandler(ConfirmHandler handler)
{
    confirmHandler() = std::move(handler);
}

} // namespace ModalDialogs
