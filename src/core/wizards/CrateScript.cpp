// The crate's pools, cargo rules and script text.
#include "wizards/CrateScript.h"

#include "wizards/UnitScript.h"

namespace {

// The field of every record that has it.
void appendField(QStringList &pool, const DatSection &section, int field)
{
    for (int i = 0; i < section.lines.size(); ++i) {
        const DatParams fields = section.params(i);
        if (fields.size() > field)
            pool.append(fields[field]);
    }
}

} // namespace

namespace CrateScript {

CratePools pools(const DatParser &data)
{
    CratePools p;
    const auto &s = data.sections;
    for (int i = 0; i < 3; ++i)
        appendField(p.weapons, *s[i], 0);
    appendField(p.equipment, *s[3], 0);
    p.equipment << QStringLiteral("Binocular") << QStringLiteral("NVGoggles");
    appendField(p.magazines, *s[0], 1);
    appendField(p.magazines, *s[0], 3);
    p.magazines.removeDuplicates(); // exact comparison; the first occurrences keep their order
    return p;
}

CargoKind equipmentKind(const QString &className)
{
    return className == QLatin1String("Binocular") || className == QLatin1String("NVGoggles") ? CargoKind::Weapon
                                                                                                : CargoKind::Magazine;
}

QString cargoLine(const CrateCargo &cargo, const QString &subject)
{
    const char *verb = cargo.kind == CargoKind::Weapon ? " addWeaponCargo [\"" : " addMagazineCargo [\"";
    return subject + QLatin1String(verb) + cargo.className + QStringLiteral("\", ") + QString::number(cargo.count)
           + u']';
}

bool canAdd(const QList<CrateCargo> &crate, const CrateCargo &cargo)
{
    if (cargo.className.isEmpty() || cargo.count <= 0)
        return false;
    return std::none_of(crate.begin(), crate.end(), [&](const CrateCargo &c) {
        return c.kind == cargo.kind && c.className.compare(cargo.className, Qt::CaseInsensitive) == 0;
    });
}

QString script(const CrateForm &form)
{
    const QString br = UnitScript::kLineBreak;
    QString text = UnitScript::banner(ScriptKind::Crate, form.name) + br + br + QStringLiteral("_crate = _this Select 0")
                   + br + br;
    if (form.clearFirst)
        text += QStringLiteral("ClearMagazineCargo _crate") + br + QStringLiteral("ClearWeaponCargo _crate") + br + br;
    for (const CrateCargo &c : form.cargo)
        text += cargoLine(c) + br;
    return text + br + QStringLiteral("exit");
}

} // namespace CrateScript
