// The about box; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutBox;
}


class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
    ~AboutBox() override;

    static inline const QString kContactAddress = QStringLiteral("velmora@example.org");

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::AboutBox> ui;
};
