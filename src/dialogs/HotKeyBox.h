// A box that captures one key combination, as the settings file's shortcut code (key code in
// the low byte, Shift $2000, Ctrl $4000, Alt $8000). Tab is a key here, not a move to the next control.
#pragma once

#include <QLineEdit>

class HotKeyBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit HotKeyBox(QWidget *parent = nullptr);

    int code() const { return m_code; }
    void setCode(int code);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void showText(Qt::KeyboardModifiers held = {});

    int m_code = 9; // Tab
};
