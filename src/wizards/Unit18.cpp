// The window TForm18.
#include "wizards/Unit18.h"

TForm18 *Form18 = nullptr;

TForm18::TForm18(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Добавить строку"));
}
