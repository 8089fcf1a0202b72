// Program entry: the application, its fifteen windows in their order, the message loop.
#include "mainwindow/Unit1.h"

#include "mainwindow/AppStart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppStart::prepareApplication(app);
    const int code = [&] {
        AppStart::Windows windows(app.arguments().mid(1));
        windows.mainWindow()->show();
        return app.exec();
    }();
    return code;
}
