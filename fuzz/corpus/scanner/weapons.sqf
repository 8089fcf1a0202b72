// Weapons for the player
private ["_unit", "_pos"];
_unit = _this select 0;
_unit addWeapon "M16";
if (alive _unit) then
{
	_unit sideChat format ["Time: %1", time];
};
/*
 * block comment header
 */
_pos = getPos _unit;
hint "Done"; // note ; more
