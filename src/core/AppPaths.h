// Where the program finds its data files and its settings file.
#pragma once

#include <QString>

namespace AppPaths {

// The folder of the executable, without a trailing separator.
QString exeDir();

// Tests point the program at a folder of their own.
void setExeDirOverride(const QString &dir);

// config.ini beside the executable; where that folder cannot be written (an install under
// a system folder), in the user's configuration folder.
QString configFile();

QString dataFile(const QString &name); // exeDir()/data/name

} // namespace AppPaths
