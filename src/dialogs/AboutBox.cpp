// The about box.
#include "dialogs/AboutBox.h"

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("Velmora - О программе"));
}
