// The loadout wizards' texts: the unit script and its pieces, the slot load against the capacity,
// the crate's pools, cargo rule and script, and the init lines of units and crates.
#include "../TestUtil.h"
#include "wizards/CrateScript.h"
#include "wizards/InitLine.h"
#include "wizards/UnitLoad.h"
#include "wizards/UnitScript.h"

namespace {

UnitWeapon weapon(const QString &w, const QString &m, int magazines, int magazineSlots = 1)
{
    UnitWeapon u;
    u.weapon = w, u.magazine = m, u.magazines = magazines, u.magazineSlots = magazineSlots;
    return u;
}

UnitWeapon launcher()
{
    return {.weapon = "W", .magazine = "M", .magazineSlots = 1, .magazines = 10, .grenadeMagazine = "G", .grenadeSlots = 2,
            .grenades = 3};
}

CrateCargo weaponCargo(const QString &c, int n) { return {CargoKind::Weapon, c, n}; }
CrateCargo magazineCargo(const QString &c, int n) { return {CargoKind::Magazine, c, n}; }

} // namespace

TEST(UnitScript, WorkedExampleTheGogglesTailMagazineLinesAndLoadoutBlocks)
{
    UnitForm worked;
    worked.name = "unit_17";
    worked.primary = weapon("W1", "M1", 3);
    worked.handgun = weapon("W2", "M2", 1);
    worked.equipment = {{"E0", 1, 0}, {"E1", 1, 2}};
    worked.binoculars = true;
    EXPECT_TRUE(matchesGolden(UnitScript::script(worked).toUtf8(), "unit_17.sqs"));
    UnitForm empty;
    empty.name = "a b";
    empty.removeStandardArms = false;
    EXPECT_TRUE(matchesGolden(UnitScript::script(empty).toUtf8(), "unit-empty.sqs"));
    empty.binoculars = empty.nightVision = true;
    EXPECT_TRUE(UnitScript::script(empty).endsWith(
        "Select 0\r\n\r\n\r\n_unit AddWeapon \"Binocular\"\r\n_unit AddWeapon \"NVGoggles\"\r\n\r\nexit"));
    const std::pair<int, QString> counts[] = {
        {-1, ""}, {0, ""}, {1, "_unit addMagazine \"M\"\r\n"}, {2, "{_unit addMagazine \"M\"} forEach [1,2]\r\n"},
        {12, "{_unit addMagazine \"M\"} forEach [1,2,3,4,5,6,7,8,9,10,11,12]\r\n"},
    };
    for (const auto &[count, text] : counts)
        EXPECT_EQ(UnitScript::magazineLines(count, "M"), text) << count;
    const std::pair<void (*)(UnitForm &), QString> blocks[] = {
        {[](UnitForm &) {}, ""},
        {[](UnitForm &f) { f.primary = weapon("W", "M", 0), f.primary.grenadeMagazine = "G"; }, // no grenades
         "_unit addWeapon \"W\"\r\n_unit selectWeapon \"W\"\r\n\r\n"},
        {[](UnitForm &f) { f.primary = weapon("W", "M", 0), f.primary.grenadeMagazine = "G", f.primary.grenades = 2; },
         "{_unit addMagazine \"G\"} forEach [1,2]\r\n_unit addWeapon \"W\"\r\n_unit selectWeapon \"W\"\r\n\r\n"},
        {[](UnitForm &f) { f.equipment = {{"E", 1, 1}, {"F", 1, 0}}; }, "_unit addMagazine \"E\"\r\n"},
        {[](UnitForm &f) { f.secondary = weapon("S", "SM", 2), f.handgun = weapon("H", "HM", 0); },
         "{_unit addMagazine \"SM\"} forEach [1,2]\r\n_unit addWeapon \"S\"\r\n\r\n_unit addWeapon \"H\"\r\n\r\n"},
    };
    for (const auto &[edit, text] : blocks) {
        UnitForm f;
        edit(f);
        EXPECT_EQ(UnitScript::loadout(f), text);
    }
    EXPECT_FALSE(UnitScript::weaponFromRecord({"W", "M", "1", "G"}).hasLauncher()); // needs its slot field too
    const UnitWeapon withLauncher = UnitScript::weaponFromRecord({"W", "M", "2", "G", "3"});
    EXPECT_EQ(withLauncher.grenadeMagazine, QString("G"));
    EXPECT_EQ(withLauncher.magazineSlots * 10 + withLauncher.grenadeSlots, 23);
}

TEST(UnitCapacity, LoadAgainstTheMaximum)
{
    struct Case { const char *what; void (*edit)(UnitForm &); qint64 load; int maximum; };
    const Case cases[] = {
        // What counts in OFP (magazines, grenades, secondary magazines, the standard arms, a sniper's
        // secondary weapon) is the unit wizard's test.
        {"standard arms kept, ArmA", [](UnitForm &f) { f.removeStandardArms = false, f.game = Game::Arma; }, 10, 12},
        {"sniper", [](UnitForm &f) { f.removeStandardArms = false, f.sniper = true, f.game = Game::Arma; }, 10, 4},
        {"grenades free in ArmA", [](UnitForm &f) { f.primary = launcher(), f.game = Game::Arma; }, 10, 12},
        {"handgun magazines free", [](UnitForm &f) { f.handgun = weapon("H", "HM", 8, 3); }, 0, 10},
        {"equipment", [](UnitForm &f) { f.equipment = {{"A", 2, 3}, {"B", 1, 0}, {"C", 1, 1}}; }, 7, 10},
        {"counts without a weapon", [](UnitForm &f) { f.primary.magazines = 5, f.primary.magazineSlots = 1; }, 0, 10},
        {"no overflow", [](UnitForm &f) { f.primary = weapon("W", "M", 9999, 999999999); }, 9999LL * 999999999, 10},
    };
    for (const Case &c : cases) {
        UnitForm f;
        c.edit(f);
        const UnitLoad l = UnitCapacity::load(f);
        EXPECT_EQ(l.load, c.load) << c.what;
        EXPECT_EQ(l.maximum, c.maximum) << c.what;
        EXPECT_EQ(l.overloaded(), c.load > c.maximum) << c.what;
    }
}

TEST(CrateScript, ScriptsTheTwinRulePoolsAndTheKindOfEquipment)
{
    CrateForm f{"crate_5", false, {}};
    EXPECT_TRUE(CrateScript::script(f).endsWith("\r\n_crate = _this Select 0\r\n\r\n\r\nexit"));
    f.clearFirst = true;
    f.cargo = {weaponCargo("W", 3), magazineCargo("M", 10)};
    EXPECT_TRUE(matchesGolden(CrateScript::script(f).toUtf8(), "crate_5.sqs"));
    f.cargo.clear();
    EXPECT_TRUE(CrateScript::script(f).endsWith("Select 0\r\n\r\nClearMagazineCargo _crate\r\nClearWeaponCargo _crate\r\n\r\n\r\nexit"));
    QList<CrateCargo> crate;
    const std::pair<CrateCargo, bool> adds[] = {
        {weaponCargo("W", 2), true},
        {weaponCargo("w", 1), false},   // a class is in a command once, whatever its case
        {magazineCargo("w", 1), true},  // the weapon's magazine of the same name (AK47, M60, PK)
        {magazineCargo("W", 3), false},
        {magazineCargo("M", 0), false},
        {magazineCargo("", 4), false},  // no class chosen
        {magazineCargo("M", 4), true},
        {magazineCargo("Ж", 1), true},
        {magazineCargo("ж", 2), false},
        {weaponCargo("ж", 1), true},
    };
    for (const auto &[cargo, taken] : adds) {
        EXPECT_EQ(CrateScript::canAdd(crate, cargo), taken) << cargo.className.toStdString() << cargo.count;
        if (taken)
            crate.append(cargo);
    }
    const CratePools p = CrateScript::pools(DatParser(tempFile(
        "unit.dat", "[P] Syntax = A,B,C,D,SECONDARY_AMMO_SIZE(opt)\r\nW1,M1,1,G1,2\r\nW2,M2,1\r\nW3,M1,1,M2,1\r\nW4,TODEL_IT,1\r\n"
                    "[S]\r\nS1,SM,6\r\n[H]\r\nH1,HM,1\r\n[E]\r\nE1,1\r\nBinocular,1\r\n")));
    EXPECT_EQ(p.weapons, QStringList({"W1", "W2", "W3", "W4", "S1", "H1"}));
    EXPECT_EQ(p.magazines, QStringList({"M1", "M2", "TODEL_IT", "G1"})); // no handgun or secondary magazines
    EXPECT_EQ(p.equipment, QStringList({"E1", "Binocular", "Binocular", "NVGoggles"}));
    // Binoculars and goggles are weapons to the game, by their exact names.
    for (const auto &[item, kind] : {std::pair{"Binocular", CargoKind::Weapon}, {"NVGoggles", CargoKind::Weapon},
                                     {"binocular", CargoKind::Magazine}, {"HandGrenade", CargoKind::Magazine}})
        EXPECT_EQ(CrateScript::equipmentKind(item), kind) << item;
}

// Every example of the init line, unit and crate, with the edge cases around them.
TEST(InitLine, Examples)
{
    const auto unit = [](void (*edit)(UnitForm &)) {
        UnitForm f;
        f.primary = weapon("W", "M", 2);
        edit(f);
        return InitLine::forUnit(f);
    };
    const QString primary = "{this addMagazine \"M\"} forEach [1,2]; this addWeapon \"W\"; this selectWeapon \"W\"";
    const std::pair<QString, QString> cases[] = {
        {unit([](UnitForm &) {}), "RemoveAllWeapons this; " + primary + " "},
        {unit([](UnitForm &f) { f.primary = {}, f.removeStandardArms = false, f.binoculars = f.nightVision = true; }),
         "; this AddWeapon \"Binocular\"; this AddWeapon \"NVGoggles\""},
        {unit([](UnitForm &f) { f.primary = {}; }), "RemoveAllWeapons this "},
        {unit([](UnitForm &f) { f.primary = {}, f.removeStandardArms = false; }), ""},
        {unit([](UnitForm &f) { f.removeStandardArms = false, f.handgun = weapon("H", "HM", 1), f.equipment = {{"E", 1, 1}}; }),
         primary + "; this addMagazine \"HM\"; this addWeapon \"H\"; this addMagazine \"E\" "}, // one "; " between blocks
        {unit([](UnitForm &f) { f.primary.weapon = "W_unit", f.removeStandardArms = false; }),
         "{this addMagazine \"M\"} forEach [1,2]; this addWeapon \"W_unit\"; this selectWeapon \"W_unit\" "},
        {unit([](UnitForm &f) { f.binoculars = true; }),
         "RemoveAllWeapons this; " + primary + " ; this AddWeapon \"Binocular\""},
        {InitLine::forCrate({"c", true, {}}), "ClearMagazineCargo this; ClearWeaponCargo this "},
        {InitLine::forCrate({"c", false, {}}), ""},
        {InitLine::forCrate({"c", true, {weaponCargo("W", 3)}}),
         "ClearMagazineCargo this; ClearWeaponCargo this; this addWeaponCargo [\"W\", 3] "},
        {InitLine::forCrate({"c", false, {magazineCargo("M_crate", 2), weaponCargo("W", 1)}}),
         "this addMagazineCargo [\"M_crate\", 2]; this addWeaponCargo [\"W\", 1] "},
    };
    for (const auto &[line, expected] : cases)
        EXPECT_EQ(line, expected);
}
