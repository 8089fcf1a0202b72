// The unit loadout wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class UnitWizard : public QDialog
{
    Q_OBJECT
public:
    explicit UnitWizard(AppWindows &windows, QWidget *parent = nullptr);

    // "Снайпер" is offered only where the game has the sniper rule; the launcher sets it at every opening.
    void setSniperEnabled(bool enabled);

private:
    AppWindows &m_windows;
};
