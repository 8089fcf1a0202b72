// The settings of config.ini's sections "options", "HIGHLIGHTER" and "txfont" as one value, read in
// the start-up order and written in the shutdown order.
#pragma once

#include "gamedata/Game.h"
#include "settings/ColorText.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class AppError;
class IniFile;

// The highlighter's seven attributes that have keys of their own, in the order of their keys.
enum class KeyedAttribute { Command, Number, String, Preprocessor, Identifier, Variable, Time, Count };
inline constexpr int kKeyedAttributeCount = int(KeyedAttribute::Count);

// The stems of their keys: "Comd" gives ComdColor, ComdIsBold and ComdIsItalic.
inline constexpr const char *kKeyedAttributeStems[kKeyedAttributeCount] = {
    "Comd", "Cifr", "String", "Resh", "Text", "Var", "Tilda"};

// A colour with bold and italic: one row of the highlighter's settings.
struct TextLook
{
    ColorValue color = Colors::clNone;
    bool bold = false;
    bool italic = false;
    bool operator==(const TextLook &) const = default;
};

// The comment keys. They belong to the comment style in force, so what a missing key means depends on
// the style: the colour the style's attribute holds, and italic for the ';' style only.
struct CommentKeys
{
    std::optional<ColorValue> color;
    bool bold = false;
    std::optional<bool> italic;
    bool operator==(const CommentKeys &) const = default;

    TextLook lookFor(bool sqsStyle, ColorValue attributeColor) const
    {
        return {color.value_or(attributeColor), bold, italic.value_or(sqsStyle)};
    }
};

// The font keys of "txfont".
struct FontKeys
{
    QString name;
    int charSet = 1;
    ColorValue color = Colors::clWindowText;
    int size = 0;  // points
    int style = 0; // 1 bold, 2 italic, 4 underline, 8 strike-out
    bool operator==(const FontKeys &) const = default;
};

struct EditorSettings
{
    // View
    bool lineNumbers = true;     // showrow
    bool speedBar = true;        // showbar
    bool commandPanel = true;    // showcmd
    bool bigSpeedButtons = true; // BigToolbarButtons
    bool wordWrap = false;       // wrap
    bool columnSelection = false; // smblock
    int completionShortcut = 9;  // cmdhotkey: a shortcut code, 9 is Tab

    // The editor's look
    FontKeys font;
    ColorValue selBackground = Colors::clHighlight;
    ColorValue selForeground = Colors::clHighlightText;
    ColorValue activeLineColor = Colors::clNone;
    ColorValue background = Colors::clWindow; // bgcolour
    ColorValue bracketForeground = Colors::clRed;
    ColorValue bracketBackground = Colors::clNone;
    std::array<TextLook, kKeyedAttributeCount> attributes{};
    bool sqsComments = true;     // SQScomments: the comment style the user chose
    CommentKeys comment;
    bool tabsToSpaces = false;

    // The games
    QString ofpExePath;          // OFPpath
    QString armaExePath;         // AApath
    bool saveBeforeRun = false;
    Game game = Game::Ofp;       // armamode

    bool operator==(const EditorSettings &) const = default;
};

namespace SettingsFile {

// Told of a key whose value cannot be read; the key keeps its value and the reading goes on.
using BadValue = std::function<void(const AppError &)>;

// Reads every key in the order of start-up; a missing key, or a number that is not one, keeps the
// value `current` holds.
EditorSettings read(const IniFile &ini, const EditorSettings &current, const BadValue &badValue);
// Writes every key in the order of shutdown. The comment keys must hold a colour and an italic.
// Throws AppError when the file cannot be written.
void write(IniFile &ini, const EditorSettings &settings);

} // namespace SettingsFile
