// The window TForm9.
#include "wizards/Unit9.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Мастер овервью - Velmora"));
}
