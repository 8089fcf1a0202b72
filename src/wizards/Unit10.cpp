// The window TForm10.
#include "wizards/Unit10.h"

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Мастер юнитов -  Velmora"));
}
