// The init-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class InitLineDialog;
}

class AppWindows;

class InitLineDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InitLineDialog(AppWindows &windows, QWidget *parent = nullptr);
    ~InitLineDialog() override;

    // Puts the line in the edit field and shows the dialog over `owner`, or brings it to the
    // front when it is open already.
    void showLine(const QString &line, QWidget *owner);
    QString line() const;

private:
    void copyLine();
    void insertLine();

    std::unique_ptr<Ui::InitLineDialog> ui;
    AppWindows &m_windows;
};
