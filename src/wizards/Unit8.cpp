// The window TForm8.
#include "wizards/Unit8.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Мастер брифингов. - Velmora"));
}
