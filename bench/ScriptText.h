// A generated SQF script for the benchmarks: comments, strings, Cyrillic text, numbers, labels,
// times and 46 commands, UTF-8 with CR LF and no break after the last line.
#pragma once

#include <QByteArray>
#include <QString>

#include <iterator>
#include <random>

namespace ScriptText {

inline const char *const kCommands[] = {
    "hint", "setPos", "getPos", "addWeapon", "removeAllWeapons", "addMagazine", "setDammage", "alive",
    "sideChat", "globalChat", "format", "select", "count", "player", "vehicle", "moveInDriver", "doMove",
    "setBehaviour", "setCombatMode", "setSpeedMode", "createUnit", "deleteVehicle", "exitWith", "if", "then",
    "else", "forEach", "while", "do", "private", "call", "spawn", "sleep", "waitUntil", "goto", "abs",
    "random", "round", "floor", "distance", "setDir", "getDir", "playMove", "switchMove", "say", "titleText",
};

inline const QString &keywordText()
{
    static const QString text = [] {
        QString t;
        for (const char *c : kCommands)
            t += QLatin1String(c) + u'\n';
        return t;
    }();
    return text;
}

// About 5 MB of script in the editor's form: UTF-8, CR LF, no break after the last line.
inline QByteArray generatedScript(qsizetype size)
{
    QByteArray text = [size] {
        std::mt19937 rng(1);
        const auto pick = [&rng](auto &list) { return list[rng() % std::size(list)]; };
        const char *const vars[] = {"_unit", "_pos", "_i", "_group", "_veh", "_target", "_time"};
        const char *const strings[] = {"\"M16\"", "\"Привет, солдат\"", "\"%1 of %2\"", "\"\"", "\"loop\""};
        QByteArray t;
        t.reserve(size + size / 16);
        int line = 0;
        while (t.size() < size) {
            switch (rng() % 10) {
            case 0:
                t += "// ";
                t += pick(kCommands);
                t += " the unit to its place, then wait; комментарий";
                break;
            case 1:
                t += "/* block comment\r\n   over several lines */ ";
                t += pick(vars);
                t += " = 0;";
                break;
            case 2:
                t += "if (alive ";
                t += pick(vars);
                t += ") then {";
                t += pick(vars);
                t += " setPos [getPos player select 0, 12.5, 0x1F]};";
                break;
            case 3:
                t += "\t";
                t += pick(vars);
                t += " sideChat format [";
                t += pick(strings);
                t += ", ";
                t += pick(vars);
                t += ", time];";
                break;
            case 4:
                t += "~";
                t += QByteArray::number(int(rng() % 100)) + ".5";
                break;
            case 5:
                t += "#label";
                t += QByteArray::number(line);
                break;
            default:
                t += pick(vars);
                t += " = ";
                t += pick(vars);
                t += " ";
                t += pick(kCommands);
                t += " ";
                t += QByteArray::number(int(rng() % 1000));
                t += "; ";
                t += pick(kCommands);
                t += " ";
                t += pick(strings);
                t += ";";
                break;
            }
            t += "\r\n";
            ++line;
        }
        t.chop(2);
        return t;
    }();
    return text;
}

} // namespace ScriptText
