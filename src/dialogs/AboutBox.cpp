// The about box.
#include "dialogs/AboutBox.h"

AboutBox::AboutBox(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("Velmora - О программе"));
}
