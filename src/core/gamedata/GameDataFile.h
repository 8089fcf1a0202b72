// The game data file data.dat: sections "[NAME GAME]" of one entry a line.
#pragma once

#include <QString>
#include <QStringList>

namespace GameDataFile {

// The file's lines, Windows-1251 decoded, up to a NUL. Throws AppError when it cannot be read.
QStringList loadLines(const QString &path);

// The lines after the header line equal to `header`, each followed by CR LF, up to the next
// header; a section that runs to the end of the file has no final CR LF. A line that begins
// with '[' ends the section only when it holds no lower-case Latin letter, unless
// `weapons` is set, when any such line ends it and lines that begin with a blank are left out.
QString readSection(const QStringList &lines, const QString &header, bool weapons = false);

// The entries of a section text, as a string list's text setter splits it.
QStringList entries(const QString &sectionText);

} // namespace GameDataFile

// Everything a game switch takes from the file, read before anything is replaced.
struct GameData
{
    QString commands;        // "COMMANDS": completion insert list and keywords
    QString commandItems;    // "CMDIL": completion display lines
    QStringList weapons;     // "INFANTRY WEAPONS" without sub-entries
    QStringList animations;  // "ANIMATIONS"
    QStringList magazines;   // "INFANTRY MAGAZINES" then "EQUIPMENT"

    // suffix is "OFP" or "ARMA".
    static GameData fromLines(const QStringList &lines, const QString &suffix);
};
