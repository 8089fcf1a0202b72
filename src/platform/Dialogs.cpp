// Message boxes through QMessageBox, or through the tests' handler.
#include "platform/Dialogs.h"

#include "AppError.h"

#include <QApplication>
#include <QMessageBox>

namespace {

Dialogs::Handler &handler()
{
    static Dialogs::Handler h;
    return h;
}

QString &title()
{
    static QString t = QStringLiteral("Velmora");
    return t;
}

int &beeps()
{
    static int n = 0;
    return n;
}

QString defaultCaption(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Question:
        return QStringLiteral("Вопрос");
    case Dialogs::Kind::Error:
        return QStringLiteral("Ошибка");
    case Dialogs::Kind::Warning:
        return QStringLiteral("Предупреждение");
    case Dialogs::Kind::Information:
        return QStringLiteral("Информация");
    case Dialogs::Kind::Plain:
        break;
    }
    return title();
}

Dialogs::Answer show(QWidget *parent, Dialogs::Kind kind, const QString &text, const QString &caption,
                     Dialogs::Answer byDefault = Dialogs::Answer::Yes)
{
    const Dialogs::Message message{kind, caption.isEmpty() ? defaultCaption(kind) : caption, text, byDefault};
    if (handler())
        return handler()(message);

    QMessageBox box(parent);
    box.setWindowTitle(message.caption);
    box.setText(text);
    switch (kind) {
    case Dialogs::Kind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(byDefault == Dialogs::Answer::No ? QMessageBox::No : QMessageBox::Yes);
        break;
    case Dialogs::Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Dialogs::Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Dialogs::Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Dialogs::Kind::Plain:
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Cancel:
        return Dialogs::Answer::Cancel;
    default:
        return Dialogs::Answer::Ok;
    }
}

} // namespace

namespace Dialogs {

Answer question(QWidget *parent, const QString &text, const QString &caption, Answer byDefault)
{
    return show(parent, Kind::Question, text, caption, byDefault);
}

void error(QWidget *parent, const QString &text, const QString &caption)
{
    show(parent, Kind::Error, text, caption);
}

void warning(QWidget *parent, const QString &text, const QString &caption)
{
    show(parent, Kind::Warning, text, caption);
}

void information(QWidget *parent, const QString &text, const QString &caption)
{
    show(parent, Kind::Information, text, caption);
}

QString applicationTitle()
{
    return title();
}

void setApplicationTitle(const QString &text)
{
    title() = text;
}

void plain(QWidget *parent, const QString &text)
{
    show(parent, Kind::Plain, text, QString());
}

void showError(QWidget *parent, const AppError &error)
{
    show(parent, Kind::Error, error.message(), title());
}

void beep()
{
    ++beeps();
    if (!handler())
        QApplication::beep();
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

int beepCount()
{
    return beeps();
}

} // namespace Dialogs
