// The window TForm14.
#include "wizards/Unit14.h"

TForm14 *Form14 = nullptr;

TForm14::TForm14(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Скрипт инициализации"));
}
