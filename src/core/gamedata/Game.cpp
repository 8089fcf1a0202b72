// Names and files of the two games.
#include "gamedata/Game.h"

namespace Games {

QString displayName(Game game)
{
    return game == Game::Arma ? QStringLiteral("ArmA") : QStringLiteral("OFP");
}

QString dataSuffix(Game game)
{
    return game == Game::Arma ? QStringLiteral("ARMA") : QStringLiteral("OFP");
}

QString unitDataFileName(Game game)
{
    return game == Game::Arma ? QStringLiteral("arma_unit.dat") : QStringLiteral("ofp_unit.dat");
}

} // namespace Games

void CurrentGame::set(Game game)
{
    m_game = game;
    emit changed(game);
}
