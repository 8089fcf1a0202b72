// The stringtable row dialog; made at start-up, shown modally by the stringtable wizard.
#pragma once

#include <QDialog>
#include <QMargins>
#include <array>
#include <memory>

namespace Ui {
class StringtableRowDialog;
}

class AppWindows;
class QLabel;
class QLineEdit;
class QMenu;

class StringtableRowDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StringtableRowDialog(AppWindows &windows, QWidget *parent = nullptr);
    ~StringtableRowDialog() override;

    // Lays the dialog out for the wizard's languages, empties it and takes one row; the row
    // goes into the wizard's grid when the user confirms an identifier no row has yet.
    void addRow();

private:
    std::array<QLabel *, 7> labels() const;
    std::array<QLineEdit *, 7> fields() const;
    void layOut(const QStringList &languages);
    void fitHeight(int outerHeight);
    QMargins desktopFrame() const;
    void confirm();
    void showDuplicateMenu(QLineEdit *field, const QPoint &at);
    // Copies the text of the field whose menu was opened into every shown field.
    void duplicate();

    AppWindows &m_windows;
    std::unique_ptr<Ui::StringtableRowDialog> ui;
    QMenu *m_menu;                  // PopupMenu1
    QLineEdit *m_menuField = nullptr; // where PopupMenu1 was opened
};
