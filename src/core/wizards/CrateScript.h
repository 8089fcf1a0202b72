// The ammunition crate: the classes it can hold, its cargo lines and its script.
#pragma once

#include "gamedata/DatParser.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class CargoKind { Weapon, Magazine };

// One line of the crate: a class given `count` times as weapon or magazine cargo.
struct CrateCargo
{
    CargoKind kind = CargoKind::Weapon;
    QString className;
    int count = 0;
};

// What the crate wizard's form holds.
struct CrateForm
{
    QString name; // the script name without extension, as typed
    bool clearFirst = true;
    QList<CrateCargo> cargo; // in the order added
};

// The classes offered by the three lists of the crate wizard.
struct CratePools
{
    QStringList weapons;   // primary weapons, secondary weapons, handguns
    QStringList magazines; // the primary weapons' magazines, then their grenade magazines; each once
    QStringList equipment; // the equipment, then binoculars and night-vision goggles
};

namespace CrateScript {

inline const QString kCrate = QStringLiteral("_crate");

// From a unit data file that passed the check (four sections or more).
CratePools pools(const DatParser &data);

// Binoculars and night-vision goggles are weapons to the game; other equipment is magazines.
CargoKind equipmentKind(const QString &className);

// "_crate addWeaponCargo ["W", 5]" for the given subject.
QString cargoLine(const CrateCargo &cargo, const QString &subject = kCrate);

// A class goes into each cargo command once, with the count first given: a line is taken only
// with a class, a count above 0, and no line of the same kind and class (ignoring case) yet. A
// weapon and its magazine often share a name, so the two kinds never block each other.
bool canAdd(const QList<CrateCargo> &crate, const CrateCargo &cargo);

// The whole script that the crate's initialisation field runs.
QString script(const CrateForm &form);

} // namespace CrateScript
