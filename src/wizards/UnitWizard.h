// The unit loadout wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class UnitWizard;
}

class AppWindows;
class DatParser;
class QComboBox;
class WizardSaveDialog;
struct UnitForm;
struct UnitWeapon;

class UnitWizard : public QDialog
{
    Q_OBJECT
public:
    explicit UnitWizard(AppWindows &windows, QWidget *parent = nullptr);
    ~UnitWizard() override;

    // "Снайпер" is offered only where the game has the sniper rule; the launcher sets it at every opening.
    void setSniperEnabled(bool enabled);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void connectControls();
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
    AppWindows &m_windows;
    std::unique_ptr<DatParser> m_data; // none until shown, and after a failed read
    WizardSaveDialog *m_saveDialog = nullptr; // SVDD
    bool m_firstShow = true;
};
