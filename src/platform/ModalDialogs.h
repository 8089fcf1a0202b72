// The program's file, page-setup and print dialogs run through here, so tests can answer them.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QFileDialog;

namespace ModalDialogs {

// The chosen path, or an empty string when the user cancelled.
QString chooseFile(QFileDialog &dialog);

// True when the user confirmed the dialog.
bool confirm(QDialog &dialog);

// Tests: when a handler is set the dialog is not shown. A file handler sees the prepared
// dialog (it may pick a filter or click the dialog's own controls) and returns the chosen
// path; a confirm handler returns the user's answer.
using FileHandler = std::function<QString(QFileDialog &)>;
using ConfirmHandler = std::function<bool(QDialog &)>;
void setFileHandler(FileHandler handler);
void setConfirmHandler(ConfirmHandler handler);

} // namespace ModalDialogs
