// The unit data file of the game in force, as the loadout, crate and description.ext wizards read it.
#pragma once

#include "gamedata/Game.h"

#include <QString>
#include <memory>

class DatParser;
class QWidget;

namespace UnitData {

// The unit data file of the game, read and checked. A file that cannot be read or fails the check
// shows its error (parent of the message box) and gives nothing, so the caller keeps no stale data.
std::unique_ptr<DatParser> load(QWidget *parent, Game game);

} // namespace UnitData
