// Starting other programs (the game, another window of ours, the desktop's database tools) and
// opening files and links with the desktop's programs.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace Launcher {

// Starts the program as an independent process in `workingDir` (empty: the current folder); a
// Windows program (".exe") through wine when wine is installed. False when it could not be started.
bool startProgram(const QString &program, const QStringList &arguments, const QString &workingDir);

// Opens a file or a link (such as mailto:) with the program the desktop chooses for it.
bool openWithDesktop(const QUrl &url);

// Tests: when a handler is set it receives what would be started or opened and answers for it.
struct Request
{
    QString program; // empty for an open
    QStringList arguments;
    QString workingDir;
    QUrl url;
};
using Handler = std::function<bool(const Request &)>;
void setHandler(Handler handler);

} // namespace Launcher
