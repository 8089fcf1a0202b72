// The go-to-line dialog: a number, filtered key by key, and the caret moved to that line.
#include "dialogs/GoToLineDialog.h"

#include "platform/Dialogs.h"
#include "common/ToolWindow.h"
#include "ui_GoToLineDialog.h"

#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

namespace {

// Caret at the start of the line, no selection, the line in the middle of the view.
void goToLineAndCentre(QsciScintilla *editor, int line)
{
    editor->setCursorPosition(line, 0);
    const long visible = editor->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, long(line));
    const long onScreen = editor->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    editor->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, qMax(0L, visible - onScreen / 2));
}

// Keys that edit or move in the field, or leave it. Delete carries a control character as text on
// X11 ("\x7f"), which must not make it count as a typed character. Backspace is a typed character
// to this filter and is refused with the other non-digits.
bool isFieldKey(int key)
{
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

} // namespace

GoToLineDialog::GoToLineDialog(QsciScintilla &editor, QWidget *parent)
    : QDialog(parent, kToolWindow), ui(std::make_unique<Ui::GoToLineDialog>()), m_editor(editor)
{
    ui->setupUi(this);
    setModal(true);
    // Every key passes the filter first, whichever control has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &GoToLineDialog::confirm);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::hide);
}

GoToLineDialog::~GoToLineDialog() = default;

GoToLineDialog::KeyClass GoToLineDialog::classify(const QKeyEvent &event)
{
    const int key = event.key();
    const QString text = event.text();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || text == u" ")
        return KeyClass::Confirm;
    if (key == Qt::Key_Escape || key == Qt::Key_Backspace)
        return KeyClass::Refuse;
    if (isFieldKey(key) || text.isEmpty())
        return KeyClass::Pass;
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9' ? KeyClass::Pass : KeyClass::Refuse;
}

bool GoToLineDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    switch (classify(*static_cast<QKeyEvent *>(event))) {
    case KeyClass::Pass:
        return false;
    case KeyClass::Confirm:
        confirm();
        return true;
    case KeyClass::Refuse:
        Dialogs::beep();
        return true;
    }
    return false;
}

void GoToLineDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    int line = 0, index = 0;
    m_editor.getCursorPosition(&line, &index);
    ui->Edit1->setText(QString::number(line + 1));
    ui->Edit1->setFocus();
    ui->Edit1->selectAll();
}

// A number beyond the text goes to its first or last line; no number at all is refused.
void GoToLineDialog::confirm()
{
    bool ok = false;
    const int number = ui->Edit1->text().toInt(&ok);
    if (!ok) {
        Dialogs::beep();
        return;
    }
    goToLineAndCentre(&m_editor, qBound(1, number, qMax(1, m_editor.lines())) - 1);
    hide();
}
