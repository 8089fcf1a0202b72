// The ammunition crate wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "gamedata/Game.h"
#include "wizards/CrateScript.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardWindow.h"

#include <memory>

namespace Ui {
class CrateWizard;
}

class QComboBox;
class QSpinBox;

class CrateWizard : public WizardWindow
{
    Q_OBJECT
public:
    explicit CrateWizard(const CurrentGame &game, QWidget *parent = nullptr);
    ~CrateWizard() override;

    // The contents are made before the window is shown: it is placed at the size they give it.
    void setVisible(bool visible) override;

signals:
    // The script as one line for the crate's init field, to be shown beside `owner`.
    void initLineRequested(const QString &line, QWidget *owner);

protected:

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
    const CurrentGame &m_game;
    QList<CrateCargo> m_cargo;     // one for each line of CRT
    WizardSaveDialog m_saveDialog; // Savik
};
