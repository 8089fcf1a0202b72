// The stringtable row dialog; made at start-up, shown modally by the stringtable wizard.
#pragma once

#include <QDialog>
#include <QMargins>
#include <array>
#include <memory>

namespace Ui {
class StringtableRowDialog;
}

class StringtableWizard;
class QLabel;
class QLineEdit;
class QMenu;

class StringtableRowDialog : public QDialog
{
    Q_OBJECT
public:
    // The dialog of `wizard`; `framed` is a window on the screen whose desktop frame it measures itself by.
    StringtableRowDialog(StringtableWizard &wizard, const QWidget *framed, QWidget *parent = nullptr);
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

    StringtableWizard &m_wizard;
    const QWidget *m_framed;
    std::unique_ptr<Ui::StringtableRowDialog> ui;
    QMenu *m_menu;                  // PopupMenu1
    QLineEdit *m_menuField = nullptr; // where PopupMenu1 was opened
};
