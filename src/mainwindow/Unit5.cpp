// The window TForm5.
#include "mainwindow/Unit5.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Список горячих клавиш"));
}
