// Detached processes and QDesktopServices, or the tests' handler.
#include "platform/Launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace Launcher {
namespace {

Handler &handler()
{
    static Handler h;
    return h;
}

} // namespace

bool startProgram(const QString &program, const QStringList &arguments, const QString &workingDir)
{
    Request request{program, arguments, workingDir, {}};
    if (program.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (!wine.isEmpty())
            request = {wine, QStringList{program} + arguments, workingDir, {}};
    }
    if (handler())
        return handler()(request);
    return QProcess::startDetached(request.program, request.arguments, request.workingDir);
}

bool openWithDesktop(const QUrl &url)
{
    if (handler())
        return handler()({{}, {}, {}, url});
    return QDesktopServices::openUrl(url);
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

} // namespace Launcher
