// Start-up of the application object and its windows, shared by the program and the tests.
#pragma once

#include <QStringList>

class QApplication;
class TForm1;

namespace AppStart {

// Title "Velmora", Russian translations of Qt's own dialogs.
void prepareApplication(QApplication &app);

// Creates the fifteen windows in their order and deletes them in reverse at the end.
class Windows
{
public:
    explicit Windows(const QStringList &arguments);
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    TForm1 *mainWindow() const;
};

} // namespace AppStart
