// The Wine prefix the games are installed in.
#pragma once

#include <QString>

namespace WinePrefix {

// $WINEPREFIX when set, else ~/.wine, as Wine itself chooses.
QString path();

} // namespace WinePrefix
