// Starting other programs: the desktop's stand-in for WinExec.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace Shell {

// Starts a program as an independent process; the result is not reported, as nothing waits on it.
void startDetached(const QString &program, const QStringList &arguments = {});

// Tests: when a handler is set it receives the program and its arguments instead.
using Handler = std::function<void(const QString &, const QStringList &)>;
void setHandler(Handler handler);

} // namespace Shell
