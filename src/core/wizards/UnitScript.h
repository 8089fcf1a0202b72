// The unit loadout script: the banner, the magazine lines, the weapon blocks and the load-out.
#pragma once

#include "gamedata/DatParser.h"
#include "gamedata/Game.h"

#include <QList>
#include <QString>
#include <QStringList>

// A weapon of the form with the magazines given for it; "НЕТ" (no weapon) when `weapon` is empty.
struct UnitWeapon
{
    QString weapon;
    QString magazine;
    int magazineSlots = 0; // slots of one magazine
    int magazines = 0;
    QString grenadeMagazine; // primary weapons with a launcher only
    int grenadeSlots = 0;    // slots of one grenade magazine
    int grenades = 0;

    bool chosen() const { return !weapon.isEmpty(); }
    bool hasLauncher() const { return !grenadeMagazine.isEmpty(); }
};

// An item of the equipment list with the count given.
struct UnitEquipment
{
    QString item;
    int weight = 0; // slots of one item
    int count = 0;
};

// What the unit wizard's form holds at the moment a text or the load is made.
struct UnitForm
{
    QString name; // the script name without extension, as typed
    UnitWeapon primary;
    UnitWeapon secondary;
    UnitWeapon handgun;
    QList<UnitEquipment> equipment;
    bool removeStandardArms = true;
    bool binoculars = false;
    bool nightVision = false;
    bool sniper = false;
    Game game = Game::Ofp; // the game in force
};

enum class ScriptKind { Unit, Crate };

namespace UnitScript {

inline const QString kLineBreak = QStringLiteral("\r\n");
inline const QString kUnit = QStringLiteral("_unit");

// The weapon of a checked record of sections 0 to 2 (weapon, magazine, slots [, grenade
// magazine, slots]), with no counts yet.
UnitWeapon weaponFromRecord(const DatParams &fields);
// An item of a checked record of section 3 (item, slots), count 0.
UnitEquipment equipmentFromRecord(const DatParams &fields);

// One magazine class given `count` times to `subject`, ending in a line break; nothing for 0.
QString magazineLines(int count, const QString &magazine, const QString &subject = kUnit);

// The commands of the load-out, one a line: the weapon blocks, then the equipment.
QStringList loadoutCommands(const UnitForm &form, const QString &subject);

// Weapon blocks apart by an empty line, an empty line after the weapons, the equipment lines.
QString loadout(const UnitForm &form);

// The eight comment lines that open every generated script, with no break after the last.
QString banner(ScriptKind kind, const QString &name);

// The whole script that the unit's initialisation field runs.
QString script(const UnitForm &form);

} // namespace UnitScript
