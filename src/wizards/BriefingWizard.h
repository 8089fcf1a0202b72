// The briefing.html wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "gamedata/Game.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardWindow.h"

#include <array>
#include <memory>

namespace Ui {
class BriefingWizard;
}

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
struct BriefingForm;

class BriefingWizard : public WizardWindow
{
    Q_OBJECT
public:
    explicit BriefingWizard(const CurrentGame &game, QWidget *parent = nullptr);
    ~BriefingWizard() override;

private:
    std::array<QCheckBox *, 8> objectiveBoxes() const;
    std::array<QPlainTextEdit *, 8> objectiveTexts() const;
    std::array<QCheckBox *, 3> endingBoxes() const;
    std::array<QLineEdit *, 3> endingTitles() const;
    std::array<QPlainTextEdit *, 3> endingTexts() const;
    void connectControls();
    // The objectives in the page are always the first m: checking one offers the next,
    // unchecking one takes back every later one. The endings follow the same rule.
    void objectiveToggled(size_t index, bool on);
    void endingToggled(size_t index, bool on);
    void updateUtilityButtons();
    void makeMarkerLink();
    void copyMarkerLink();
    void clearAll();

    BriefingForm form() const;
    void insertIntoEditor();
    void saveToFile();

    const CurrentGame &m_game;
    std::unique_ptr<Ui::BriefingWizard> ui;
    WizardSaveDialog m_saveDialog; // SVD
};
