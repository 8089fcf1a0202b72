// The unit's slot load and its maximum.
#include "wizards/UnitLoad.h"

namespace UnitCapacity {

UnitLoad load(const UnitForm &form)
{
    UnitLoad result;
    qint64 &sum = result.load;
    if (form.primary.chosen()) {
        sum += qint64(form.primary.magazineSlots) * form.primary.magazines;
        if (form.primary.hasLauncher() && form.game != Game::Arma)
            sum += qint64(form.primary.grenadeSlots) * form.primary.grenades;
    }
    if (form.secondary.chosen() && !form.sniper)
        sum += qint64(form.secondary.magazineSlots) * form.secondary.magazines;
    for (const UnitEquipment &e : form.equipment)
        sum += qint64(e.weight) * e.count;
    if (!form.removeStandardArms)
        sum += kStandardArms;
    result.maximum = form.sniper ? kSniper : form.game == Game::Arma ? kArma : kOfp;
    return result;
}

} // namespace UnitCapacity
