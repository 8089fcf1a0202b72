// Every message box and question of the program goes through here, so tests can answer them.
#pragma once

#include <QString>
#include <functional>

class QWidget;
class AppError;

namespace Dialogs {

enum class Kind { Question, Error, Warning, Information, Plain };
enum class Answer { Ok, Yes, No, Cancel };

struct Message
{
    Kind kind;
    QString caption;
    QString text;
    Answer byDefault = Answer::Yes; // a question's button that Enter presses
};

// Yes, No and Cancel with the question icon; caption "Вопрос" unless given. Enter answers
// `byDefault`: No where Yes would lose something.
Answer question(QWidget *parent, const QString &text, const QString &caption = QString(),
                Answer byDefault = Answer::Yes);
void error(QWidget *parent, const QString &text, const QString &caption = QString());
void warning(QWidget *parent, const QString &text, const QString &caption = QString());
void information(QWidget *parent, const QString &text, const QString &caption = QString());
// A plain message (no icon) under the application's title, as ShowMessage gives it.
void plain(QWidget *parent, const QString &text);

// The application's title, the caption of plain messages and error boxes: "Velmora", or the
// document's caption. Kept here rather than as Qt's display name, which Qt would append to the
// caption of every window.
QString applicationTitle();
void setApplicationTitle(const QString &title);

// The application's standard error box for an error raised inside a command.
void showError(QWidget *parent, const AppError &error);

void beep();

// Tests: when a handler is set no box is shown; the handler sees each message and answers.
using Handler = std::function<Answer(const Message &)>;
void setHandler(Handler handler);
// Tests: the number of beeps so far.
int beepCount();

} // namespace Dialogs
