// Init lines, written with "this" as the subject from the start: class names are left as they are.
#include "wizards/InitLine.h"

namespace {

const QString kThis = QStringLiteral("this");

QString joined(const QStringList &commands)
{
    return commands.isEmpty() ? QString() : commands.join(QStringLiteral("; ")) + u' ';
}

} // namespace

namespace InitLine {

QString forUnit(const UnitForm &form)
{
    QStringList commands;
    if (form.removeStandardArms)
        commands.append(QStringLiteral("RemoveAllWeapons this"));
    QString line = joined(commands + UnitScript::loadoutCommands(form, kThis));
    if (form.binoculars)
        line += QStringLiteral("; this AddWeapon \"Binocular\"");
    if (form.nightVision)
        line += QStringLiteral("; this AddWeapon \"NVGoggles\"");
    return line;
}

QString forCrate(const CrateForm &form)
{
    QStringList commands;
    if (form.clearFirst)
        commands << QStringLiteral("ClearMagazineCargo this") << QStringLiteral("ClearWeaponCargo this");
    for (const CrateCargo &c : form.cargo)
        commands.append(CrateScript::cargoLine(c, kThis));
    return joined(commands);
}

} // namespace InitLine
