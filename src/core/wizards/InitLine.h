// The one line of commands for the initialisation field of a unit or a crate, "this" its subject.
#pragma once

#include "wizards/CrateScript.h"
#include "wizards/UnitScript.h"

namespace InitLine {

// Commands apart by "; " with one blank after the last; binoculars and goggles follow as
// "; this AddWeapon ...". Empty when there is nothing to give.
QString forUnit(const UnitForm &form);

// The crate's clearing and cargo commands apart by "; ", one blank after the last; empty when
// there is nothing to give.
QString forCrate(const CrateForm &form);

} // namespace InitLine
