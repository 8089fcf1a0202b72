// The stringtable.csv wizard; made at start-up, shown and hidden until exit.
#pragma once

#include "gamedata/Game.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardWindow.h"

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class StringtableWizard;
}

class QCheckBox;
class StringtableModel;

class StringtableWizard : public WizardWindow
{
    Q_OBJECT
public:
    explicit StringtableWizard(const CurrentGame &game, QWidget *parent = nullptr);
    ~StringtableWizard() override;

    // What the row dialog asks of the wizard.
    QStringList chosenLanguageNames() const;
    bool isUniqueId(const QString &id) const;
    // Inserts a blank row at the current row, which then designates it, and fills its first
    // cells: the identifier, then the texts of the chosen languages in their order.
    void insertFilledRow(const QStringList &cells);

signals:
    // "Добавить": the row dialog is to take a new row.
    void addRowRequested();

private:
    std::array<QCheckBox *, 7> languageBoxes() const;
    void updateLanguages();
    int currentRow() const;
    int selectedTopRow() const;
    void setCurrentCell(int row, int column);
    void insertBlankRow();
    void deleteRow();
    void clearRow();
    void moveRowUp();
    void moveRowDown();
    void clearAll();
    // The CSV text; with no language chosen the beep answers and nothing follows.
    std::optional<QString> csvText() const;
    void insertIntoEditor();
    void saveToFile();

    const CurrentGame &m_game;
    std::unique_ptr<Ui::StringtableWizard> ui;
    StringtableModel *m_model;
    WizardSaveDialog m_saveDialog; // SAVD
};
