// Where the games are installed, as their setup programs recorded it in the Wine registry.
#pragma once

#include "gamedata/Game.h"

#include <QString>

namespace GameInstall {

// The executable of the game installed in the Wine prefix ("flashpointresistance.exe" or
// "arma.exe", found without regard to case), from the string value "MAIN" of the game's key
// under Software or Software\Wow6432Node in system.reg; empty when there is none. The prefix is
// only read, never written.
QString detectExecutable(Game game, const QString &winePrefix);

} // namespace GameInstall
