// The unit loadout wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "gamedata/Game.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardWindow.h"

#include <memory>

namespace Ui {
class UnitWizard;
}

class DatParser;
class QComboBox;
struct UnitForm;
struct UnitWeapon;

class UnitWizard : public WizardWindow
{
    Q_OBJECT
public:
    explicit UnitWizard(const CurrentGame &game, QWidget *parent = nullptr);
    ~UnitWizard() override;

    // The contents are made before the window is shown: it is placed at the size they give it.
    void setVisible(bool visible) override;

signals:
    // The script as one line for a unit's init field, to be shown beside `owner`.
    void initLineRequested(const QString &line, QWidget *owner);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void connectControls();
    void offerSniper();
    // Every showing reads the unit data of the game in force and fills the lists again.
    void prepareShowing();
    void fillLists();
    void fillEquipment();
    void selectRememberedWeapons();
    void setCountLimits();
    void proposeName();
    void reset();

    // The counts that make sense for the weapons chosen, and "Снайпер" taking the secondary weapon.
    void applyCountStates();
    void changeEquipmentCount(int delta);
    void updateCapacity();

    void insertScript();
    void saveScript();
    void showInitLine();
    void setOutputsEnabled(bool enabled);

    UnitForm form() const;
    UnitWeapon chosenWeapon(int section, const QComboBox *list) const;

    std::unique_ptr<Ui::UnitWizard> ui;
    const CurrentGame &m_game;
    std::unique_ptr<DatParser> m_data; // none until shown, and after a failed read
    WizardSaveDialog m_saveDialog;     // SVDD
    // The positions of the three weapon lists when the wizard was last closed.
    struct RememberedWeapons
    {
        int primary = 0;
        int secondary = 0;
        int handgun = 0;
    } m_remembered;
    bool m_firstShow = true;
};
