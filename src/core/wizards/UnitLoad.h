// The slots a unit's load-out takes against what the unit can carry.
#pragma once

#include "wizards/UnitScript.h"

struct UnitLoad
{
    qint64 load = 0;
    int maximum = 10;
    bool overloaded() const { return load > maximum; }
};

namespace UnitCapacity {

constexpr int kStandardArms = 10; // the unit's own arms while they are kept
constexpr int kSniper = 4;
constexpr int kOfp = 10;
constexpr int kArma = 12;

// Counts the magazines of the chosen weapons (a sniper's secondary weapon is out of use; grenade
// magazines take slots in OFP only; handgun magazines never do), the equipment, and the standard
// arms when they are kept.
UnitLoad load(const UnitForm &form);

} // namespace UnitCapacity
