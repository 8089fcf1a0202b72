// What the editor needs to know of the game it starts: window title, executable, clipboard file.
#pragma once

#include "gamedata/Game.h"

#include <QString>
#include <QStringView>

// Where the games live on this computer.
struct GameLocations
{
    QString ofpExePath;  // as the settings hold them; may be empty
    QString armaExePath;
    QString winePrefix;  // the Wine prefix the games run in
    QString userName;    // the login name, which Wine also uses for the profile folder
};

struct GameTarget
{
    QString windowTitle;   // searched exactly
    QString executable;    // may be empty
    QString clipboardFile; // empty when there is no file to look for

    static GameTarget forGame(Game game, const GameLocations &where);

    // Everything up to and including the last '/', '\\' or ':'; empty for a bare name.
    static QString folderOf(QStringView path);
};
