// The window TaboutBox.
#include "mainwindow/Unit6.h"

TaboutBox *aboutBox = nullptr;

TaboutBox::TaboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("Velmora - О программе"));
}
