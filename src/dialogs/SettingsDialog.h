// The settings dialog "Velmora.Настройки"; holds no settings of its own: it is filled from the
// settings in force before it is shown, and its OK puts the values it shows in force.
#pragma once

#include "settings/EditorSettings.h"

#include <QDialog>
#include <QFont>
#include <array>
#include <memory>

namespace Ui {
class SettingsDialog;
}

class QLineEdit;

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // Shows the settings; the font button starts the font dialog from their font.
    void setSettings(const EditorSettings &settings);
    // The settings shown, with the user's changes.
    EditorSettings settings() const;

signals:
    // "Ассоциации файлов": the file types window, usable beside this modal dialog.
    void fileAssociationsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RowControls;
    std::array<RowControls, kKeyedAttributeCount> rowControls() const;
    void chooseFont();
    void chooseExecutable(QLineEdit *edit);
    void detectGame(Game game);
    void labelClicked(QObject *label);

    std::unique_ptr<Ui::SettingsDialog> ui;
    EditorSettings m_shown;
    QFont m_font;        // the font Button1 shows
    QFont m_fontInForce; // the editor's font when the dialog was filled
};
