// Program entry: the application, its fifteen windows in their order, the message loop.
#include "app/AppWindows.h"
#include "editor/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    AppWindows windows(app.arguments().mid(1));
    QObject::connect(windows.mainWindow(), &MainWindow::exitRequested, &app, [] { QCoreApplication::exit(0); });
    windows.mainWindow()->show();
    return app.exec();
}
