// The game data file: any bytes as data.dat, through the section readers of both games.
#include "FuzzInput.h"
#include "AppError.h"
#include "gamedata/GameDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile file(data, size, "data.dat");
    try {
        const QStringList lines = GameDataFile::loadLines(file.path());
        for (const char *game : {"OFP", "ARMA"}) {
            const GameData gameData = GameData::fromLines(lines, QLatin1String(game));
            GameDataFile::entries(gameData.commands);
            GameDataFile::readSection(lines, QStringLiteral("[COMMANDS %1]").arg(QLatin1String(game)), true);
        }
    } catch (const AppError &) {
    }
    return 0;
}
