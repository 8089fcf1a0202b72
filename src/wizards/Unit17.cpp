// The window TForm17.
#include "wizards/Unit17.h"

TForm17 *Form17 = nullptr;

TForm17::TForm17(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Мастер Stringtable.csv"));
}
