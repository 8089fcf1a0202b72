// The main window's status bar: nine fixed panels of text, the last one the game mode.
#pragma once

#include <QLabel>
#include <QList>
#include <QStatusBar>

class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    static constexpr int kPanelCount = 9;
    static constexpr int kGameModePanel = 8;

    explicit StatusBar(QWidget *parent = nullptr);

    QString panelText(int index) const { return m_panels.at(index)->text(); }
    void setPanelText(int index, const QString &text);
    QLabel *panel(int index) const { return m_panels.at(index); }

private:
    QList<QLabel *> m_panels;
};
