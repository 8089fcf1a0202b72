// Detached processes through QProcess, or through the tests' handler.
#include "platform/Shell.h"

#include <QProcess>

namespace {

Shell::Handler &handler()
{
    static Shell::Handler h;
    return h;
}

} // namespace

namespace Shell {

void startDetached(const QString &program, const QStringList &arguments)
{
    if (handler()) {
        handler()(program, arguments);
        return;
    }
    QProcess::startDetached(program, arguments);
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

} // namespace Shell
