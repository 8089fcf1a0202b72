// The stringtable.csv wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

namespace Ui {
class StringtableWizard;
}

class AppWindows;
class QCheckBox;
class StringtableModel;
class WizardSaveDialog;

class StringtableWizard : public QDialog
{
    Q_OBJECT
public:
    explicit StringtableWizard(AppWindows &windows, QWidget *parent = nullptr);
    ~StringtableWizard() override;

    // What the row dialog asks of the wizard.
    QStringList chosenLanguageNames() const;
    bool isUniqueId(const QString &id) const;
    // Inserts a blank row at the current row, which then designates it, and fills its first
    // cells: the identifier, then the texts of the chosen languages in their order.
    void insertFilledRow(const QStringList &cells);

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

    AppWindows &m_windows;
    std::unique_ptr<Ui::StringtableWizard> ui;
    StringtableModel *m_model;
    WizardSaveDialog *m_saveDialog = nullptr; // made on first use
};
