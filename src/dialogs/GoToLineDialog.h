// The go-to-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class GoToLineDialog;
}

class QsciScintilla;
class QKeyEvent;

class GoToLineDialog : public QDialog
{
    Q_OBJECT
public:
    // Moves the caret of `editor`.
    explicit GoToLineDialog(QsciScintilla &editor, QWidget *parent = nullptr);
    ~GoToLineDialog() override;

    enum class KeyClass { Pass, Confirm, Refuse };
    // Every key the dialog sees: digits, the field's editing keys (Backspace, Delete, the arrows,
    // Home, End) and keys that type nothing pass, Enter and Space confirm, any other character
    // (Escape too) is refused.
    static KeyClass classify(const QKeyEvent &event);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();

    std::unique_ptr<Ui::GoToLineDialog> ui;
    QsciScintilla &m_editor;
};
