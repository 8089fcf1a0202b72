// Reading and checking the unit data file of the current game.
#include "wizards/UnitData.h"

#include "AppError.h"
#include "AppPaths.h"
#include "editor/ProgramState.h"
#include "gamedata/DatParser.h"
#include "platform/Dialogs.h"

namespace UnitData {

QString pathFor(const QString &gameMode)
{
    return AppPaths::dataFile(gameMode == QLatin1String("OFP") ? QStringLiteral("ofp_unit.dat")
                                                                : QStringLiteral("arma_unit.dat"));
}

std::unique_ptr<DatParser> load(QWidget *parent)
{
    const QString path = pathFor(ProgramState::gameMode);
    try {
        auto parser = std::make_unique<DatParser>(path);
        checkUnitData(*parser, path);
        return parser;
    } catch (const AppError &error) {
        Dialogs::showError(parent, error);
        return nullptr;
    }
}

} // namespace UnitData
