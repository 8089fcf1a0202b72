// Program entry: the application, its fifteen windows in their order, the message loop.
#include "app/AppWindows.h"
#include "app/FontConfigPreload.h"
#include "editor/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    std::jthread fontConfiguration = preloadFontConfiguration();
    QApplication app(argc, argv);
    prepareApplication(app);
    fontConfiguration.join(); // the windows measure their texts from here on
    AppWindows windows(app.arguments().mid(1));
    windows.mainWindow()->show();
    return app.exec();
}
