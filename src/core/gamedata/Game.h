// The game a mission is made for, and what follows from it: names, data sections, unit data file.
#pragma once

#include <QObject>
#include <QString>

enum class Game { Ofp, Arma };

namespace Games {

// "OFP" or "ArmA", as the status bar shows the game.
QString displayName(Game game);
// "OFP" or "ARMA", the suffix of the game's sections in data.dat.
QString dataSuffix(Game game);
// "ofp_unit.dat" or "arma_unit.dat", in the data folder.
QString unitDataFileName(Game game);
// ArmA reads UTF-8; OFP the ANSI code page.
inline bool usesUtf8(Game game) { return game == Game::Arma; }

} // namespace Games

// The game in force: the one place that holds it, announcing each change. Only a game switch that
// loaded the game's data sets it.
class CurrentGame : public QObject
{
    Q_OBJECT
public:
    explicit CurrentGame(QObject *parent = nullptr) : QObject(parent) {}

    Game game() const { return m_game; }
    bool isArma() const { return m_game == Game::Arma; }
    // Emits changed() also when the game stays the same: a switch to the game in force reloads its data.
    void set(Game game);

signals:
    void changed(Game game);

private:
    Game m_game = Game::Ofp;
};
