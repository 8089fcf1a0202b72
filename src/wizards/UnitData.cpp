// Reading and checking the unit data file of the current game.
#include "wizards/UnitData.h"

#include "AppError.h"
#include "AppPaths.h"
#include "gamedata/DatParser.h"
#include "platform/Dialogs.h"

namespace UnitData {

std::unique_ptr<DatParser> load(QWidget *parent, Game game)
{
    const QString path = AppPaths::dataFile(Games::unitDataFileName(game));
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
