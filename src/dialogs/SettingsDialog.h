// The settings dialog "Velmora.Настройки"; holds no settings of its own: the main window fills
// it from its live state before showing it and takes the settings back on OK.
#pragma once

#include "settings/EditorSettings.h"

#include <QDialog>
#include <QFont>
#include <array>
#include <memory>

namespace Ui {
class SettingsDialog;
}

class AppWindows;
class QLineEdit;

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsDialog(AppWindows &windows, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // Shows the settings; the font button starts the font dialog from their font.
    void setSettings(const EditorSettings &settings);
    // `base` with what the dialog shows put over it.
    EditorSettings settings(EditorSettings base) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RowControls;
    std::array<RowControls, kKeyedAttributeCount> rowControls() const;
    void chooseFont();
    void chooseExecutable(QLineEdit *edit);
    void detectGame(bool arma);
    void openFileAssociations();
    void labelClicked(QObject *label);

    std::unique_ptr<Ui::SettingsDialog> ui;
    AppWindows &m_windows;
    QFont m_font;        // the font Button1 shows
    QFont m_fontInForce; // the editor's font when the dialog was filled
};
