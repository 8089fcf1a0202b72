// The about box; its contact label starts a new message in the user's mail program.
#include "dialogs/AboutBox.h"

#include "platform/Launcher.h"
#include "common/ToolWindow.h"
#include "ui_AboutBox.h"

#include <QMouseEvent>

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, kToolWindow), ui(std::make_unique<Ui::AboutBox>())
{
    ui->setupUi(this);
    setModal(true);
    QFont title = ui->Label1->font();
    title.setPixelSize(27);
    ui->Label1->setFont(title);
    ui->Label5->setText(QStringLiteral("E-mail: ") + kContactAddress);
    ui->Label5->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::hide);
}

AboutBox::~AboutBox() = default;

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Label5 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Launcher::openWithDesktop(QUrl(QStringLiteral("mailto:") + kContactAddress));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
