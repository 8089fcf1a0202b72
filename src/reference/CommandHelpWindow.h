// The command help window: a small tool window above the main window with a command's card.
// Made at start-up, shown and hidden until exit; its placement lives in "HelperPos".
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class CommandHelpWindow;
}

class WindowPlacement;

class CommandHelpWindow : public QDialog
{
    Q_OBJECT
public:
    // Stays above `mainWindow`, whose focus it leaves alone.
    explicit CommandHelpWindow(QWidget *mainWindow);
    ~CommandHelpWindow() override;

    // Puts the card's seven rows into the value column and shows the window without taking the
    // focus from the window the user types in.
    void showCard(const QStringList &rows);
    // The value column, row by row.
    QStringList values() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void restorePlacement();

    std::unique_ptr<Ui::CommandHelpWindow> ui;
    std::unique_ptr<WindowPlacement> m_placement;
    bool m_shown = false; // the placement is written only for a window that was shown
};
