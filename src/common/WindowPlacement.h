// Saves and restores a window's placement, and a speed bar's layout, in the settings file.
#pragma once

#include "settings/SpeedBarLayout.h"

#include <QString>
#include <optional>

class QWidget;

class WindowPlacement
{
public:
    WindowPlacement(QWidget *window, QString section) : m_window(window), m_section(std::move(section)) {}

    void setIniFileName(const QString &fileName) { m_iniFileName = fileName; }

    // Reads the placement, once, when the window is first shown.
    void restore();
    // Writes the placement; the second call does nothing.
    void save();
    bool saved() const { return m_saved; }

    // The speed bar's section: the placement section, a backslash, then `ownerAndBar` (the name
    // that older settings files use for the main window's bar, "TForm1ToolBar1").
    void saveBarLayout(const SpeedBarLayout &layout, const QString &ownerAndBar, int barWidth, int buttonSize);
    // Nothing when the section holds no layout.
    std::optional<SpeedBarLayout> readBarLayout(const QString &ownerAndBar) const;

private:
    QWidget *m_window;
    QString m_section;
    QString m_iniFileName;
    bool m_restored = false;
    bool m_saved = false;
};
