// Saves and restores a window's placement, and the speed bar's layout, in the settings file.
#pragma once

#include <QString>

class IniFile;
class QMainWindow;
class QToolBar;
class QWidget;

class FormPlacement
{
public:
    FormPlacement(QWidget *window, QString section) : m_window(window), m_section(std::move(section)) {}

    QString IniFileName;

    // Reads the placement, once, when the window is first shown.
    void restore();
    // Writes the placement; the second call does nothing.
    void save();
    bool saved() const { return m_saved; }

    // The speed bar's section: the placement section, the window's class name and the bar's name.
    void saveToolBar(QMainWindow *window, QToolBar *bar);
    void restoreToolBar(QMainWindow *window, QToolBar *bar);

private:
    QString toolBarSection(QMainWindow *window, QToolBar *bar) const;

    QWidget *m_window;
    QString m_section;
    bool m_restored = false;
    bool m_saved = false;
};
