// The description.ext text: weapon and magazine pools, sounds, music and respawn.
#pragma once

#include <QString>
#include <QStringList>

class DatParser;

// What the description.ext wizard's form holds.
struct DescriptionExtForm
{
    bool weaponsOn = false;
    bool respawnOn = false;
    bool soundsOn = false;
    bool musicOn = false;
    QStringList weaponEntries;   // "class (count)"
    QStringList magazineEntries; // "class (count)"
    QStringList soundEntries;    // bare .ogg file names
    QStringList musicEntries;    // bare .ogg file names
    QString respawnType = QStringLiteral("NONE");
    int respawnDelay = 15;
};

QString buildDescriptionExt(const DescriptionExtForm &form);

// Entries of the weapon and magazine lists: the class name followed by " (" count ")".
namespace PoolEntry {

QString make(const QString &className, int count);
// Everything before the first " (".
QString className(const QString &entry);
// Everything between the first " (" and the next ")".
QString count(const QString &entry);
// True when an entry of the list has the same class name, letter case aside.
bool hasTwin(const QStringList &entries, const QString &entry);
// Binoculars and night-vision goggles are offered as equipment but listed among the weapons.
bool isWeaponEquipment(const QString &item);

} // namespace PoolEntry

// The names the wizard offers, from the unit data of the current game.
struct DescriptionPools
{
    QStringList weapons;   // sections 0..2, repeats kept
    QStringList magazines; // their magazines, each name once at its first place
    QStringList equipment; // section 3, then "Binocular" and "NVGoggles"
};

// The data must have passed checkUnitData().
DescriptionPools descriptionPools(const DatParser &data);
