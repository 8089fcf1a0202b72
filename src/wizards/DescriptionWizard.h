// The description.ext wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "gamedata/Game.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardWindow.h"
#include <memory>

namespace Ui {
class DescriptionWizard;
}

class QComboBox;
class QFileDialog;
class QLineEdit;
class QListWidget;
class QSpinBox;
struct DescriptionExtForm;

class DescriptionWizard : public WizardWindow
{
    Q_OBJECT
public:
    explicit DescriptionWizard(const CurrentGame &game, QWidget *parent = nullptr);
    ~DescriptionWizard() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectControls();
    // Every showing reads the current game's unit data, offers its pools and starts the weapon
    // choice afresh; sounds, music and respawn stay as they were.
    void refresh();
    void clearUnitChoices();
    void fillPools();
    void disableGroups();
    void setWeaponGroupEnabled(bool on);
    void setRespawnGroupEnabled(bool on);
    void setSoundGroupEnabled(bool on);
    void setMusicGroupEnabled(bool on);

    void addPoolEntry(QComboBox *pool, QSpinBox *count, QListWidget *list);
    void addEquipment();
    static void removeSelected(QListWidget *list);
    static void reduceToFileName(QLineEdit *edit);
    void addOggFile(QLineEdit *edit, QListWidget *list);
    void browseSound();
    void browseMusic();

    DescriptionExtForm form() const;
    void insertIntoEditor();
    void saveToFile();

    const CurrentGame &m_game;
    std::unique_ptr<Ui::DescriptionWizard> ui;
    QFileDialog *m_soundDialog = nullptr; // made on first use
    QFileDialog *m_musicDialog = nullptr;
    WizardSaveDialog m_saveDialog; // DSV
};
