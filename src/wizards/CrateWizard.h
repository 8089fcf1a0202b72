// The ammunition crate wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "wizards/CrateScript.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CrateWizard;
}

class AppWindows;
class QComboBox;
class WizardSaveDialog;
class QSpinBox;

class CrateWizard : public QDialog
{
    Q_OBJECT
public:
    explicit CrateWizard(AppWindows &windows, QWidget *parent = nullptr);
    ~CrateWizard() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectControls();
    // Every showing reads the unit data of the game in force and fills the three lists again;
    // the crate itself stays.
    void prepareShowing();
    void proposeName();

    void addCargo(const QComboBox *list, const QSpinBox *count, CargoKind kind);
    void addEquipment();
    void removeSelected();
    void removeAll();

    void insertScript();
    void saveScript();
    void showInitLine();
    CrateForm form() const;

    std::unique_ptr<Ui::CrateWizard> ui;
    AppWindows &m_windows;
    QList<CrateCargo> m_cargo;           // one for each line of CRT
    WizardSaveDialog *m_saveDialog = nullptr; // Savik
};
