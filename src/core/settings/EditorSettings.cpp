// config.ini's keys of "options", "HIGHLIGHTER" and "txfont", read and written in their orders.
#include "settings/EditorSettings.h"

#include "AppError.h"
#include "settings/IniFile.h"

namespace {

const QString kOptions = QStringLiteral("options");
const QString kHighlighter = QStringLiteral("HIGHLIGHTER");
const QString kFont = QStringLiteral("txfont");

QString key(int attribute, const char *suffix)
{
    return QLatin1String(kKeyedAttributeStems[attribute]) + QLatin1String(suffix);
}

// Reads with the ini file and the error sink bound, so the orders below read as lists of keys.
class Reader
{
public:
    Reader(const IniFile &ini, const SettingsFile::BadValue &badValue) : m_ini(ini), m_badValue(badValue) {}

    void flag(const QString &section, const QString &name, bool &value) const
    {
        value = m_ini.readBool(section, name, value);
    }
    void number(const QString &section, const QString &name, int &value) const
    {
        value = m_ini.readInteger(section, name, value);
    }
    void text(const QString &section, const QString &name, QString &value) const
    {
        value = m_ini.readString(section, name, value);
    }
    void color(const QString &section, const QString &name, ColorValue &value) const
    {
        try {
            value = m_ini.readColor(section, name, value);
        } catch (const AppError &error) {
            m_badValue(error);
        }
    }
    void color(const QString &section, const QString &name, std::optional<ColorValue> &value) const
    {
        if (!m_ini.valueExists(section, name))
            return;
        ColorValue read = value.value_or(0);
        try {
            read = m_ini.readColor(section, name, read);
            value = read;
        } catch (const AppError &error) {
            m_badValue(error);
        }
    }
    void flag(const QString &section, const QString &name, std::optional<bool> &value) const
    {
        if (m_ini.valueExists(section, name))
            value = m_ini.readBool(section, name, value.value_or(false));
    }

private:
    const IniFile &m_ini;
    const SettingsFile::BadValue &m_badValue;
};

void readFont(const Reader &r, FontKeys &font)
{
    r.text(kFont, QStringLiteral("Name"), font.name);
    r.number(kFont, QStringLiteral("CharSet"), font.charSet);
    font.charSet &= 0xFF;
    r.number(kFont, QStringLiteral("Color"), font.color);
    r.number(kFont, QStringLiteral("Size"), font.size);
    r.number(kFont, QStringLiteral("Style"), font.style);
}

void readComment(const Reader &r, CommentKeys &comment)
{
    r.color(kHighlighter, QStringLiteral("CommColor"), comment.color);
    r.flag(kHighlighter, QStringLiteral("CommIsBold"), comment.bold);
    r.flag(kHighlighter, QStringLiteral("CommIsItalic"), comment.italic);
}

} // namespace

namespace SettingsFile {

EditorSettings read(const IniFile &ini, const EditorSettings &current, const BadValue &badValue)
{
    const Reader r(ini, badValue);
    EditorSettings s = current;
    r.flag(kOptions, QStringLiteral("showrow"), s.lineNumbers);
    r.flag(kOptions, QStringLiteral("showbar"), s.speedBar);
    r.flag(kOptions, QStringLiteral("showcmd"), s.commandPanel);
    r.flag(kOptions, QStringLiteral("BigToolbarButtons"), s.bigSpeedButtons);
    r.number(kOptions, QStringLiteral("cmdhotkey"), s.completionShortcut);
    r.flag(kOptions, QStringLiteral("wrap"), s.wordWrap);
    readFont(r, s.font);
    r.color(kOptions, QStringLiteral("SelBackground"), s.selBackground);
    r.color(kOptions, QStringLiteral("SelForeground"), s.selForeground);
    r.color(kOptions, QStringLiteral("ActiveLineColor"), s.activeLineColor);
    r.color(kOptions, QStringLiteral("bgcolour"), s.background);
    r.color(kHighlighter, QStringLiteral("ForegroundBr"), s.bracketForeground);
    r.color(kHighlighter, QStringLiteral("BackgroundBr"), s.bracketBackground);
    r.text(kOptions, QStringLiteral("OFPpath"), s.ofpExePath);
    r.text(kOptions, QStringLiteral("AApath"), s.armaExePath);
    r.flag(kOptions, QStringLiteral("SaveBeforeRun"), s.saveBeforeRun);
    r.flag(kOptions, QStringLiteral("smblock"), s.columnSelection);
    bool armaMode = s.game == Game::Arma; // the file keeps the game as a flag
    r.flag(kOptions, QStringLiteral("armamode"), armaMode);
    s.game = armaMode ? Game::Arma : Game::Ofp;
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        r.color(kHighlighter, key(i, "Color"), s.attributes[i].color);
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        r.flag(kHighlighter, key(i, "IsBold"), s.attributes[i].bold);
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        r.flag(kHighlighter, key(i, "IsItalic"), s.attributes[i].italic);
    r.flag(kOptions, QStringLiteral("TabsToSpaces"), s.tabsToSpaces);
    r.flag(kOptions, QStringLiteral("SQScomments"), s.sqsComments);
    readComment(r, s.comment);
    return s;
}

void write(IniFile &ini, const EditorSettings &s)
{
    ini.writeInteger(kOptions, QStringLiteral("cmdhotkey"), s.completionShortcut);
    ini.writeBool(kOptions, QStringLiteral("showrow"), s.lineNumbers);
    ini.writeBool(kOptions, QStringLiteral("BigToolbarButtons"), s.bigSpeedButtons);
    ini.writeBool(kOptions, QStringLiteral("showbar"), s.speedBar);
    ini.writeBool(kOptions, QStringLiteral("wrap"), s.wordWrap);
    ini.writeBool(kOptions, QStringLiteral("showcmd"), s.commandPanel);
    ini.writeBool(kOptions, QStringLiteral("SQScomments"), s.sqsComments);
    ini.writeString(kFont, QStringLiteral("Name"), s.font.name);
    ini.writeInteger(kFont, QStringLiteral("CharSet"), s.font.charSet);
    ini.writeInteger(kFont, QStringLiteral("Color"), s.font.color);
    ini.writeInteger(kFont, QStringLiteral("Size"), s.font.size);
    ini.writeInteger(kFont, QStringLiteral("Style"), s.font.style);
    ini.writeColor(kOptions, QStringLiteral("bgcolour"), s.background);
    ini.writeColor(kOptions, QStringLiteral("SelBackground"), s.selBackground);
    ini.writeColor(kOptions, QStringLiteral("SelForeground"), s.selForeground);
    ini.writeColor(kOptions, QStringLiteral("ActiveLineColor"), s.activeLineColor);
    ini.writeColor(kHighlighter, QStringLiteral("ForegroundBr"), s.bracketForeground);
    ini.writeColor(kHighlighter, QStringLiteral("BackgroundBr"), s.bracketBackground);
    ini.writeBool(kOptions, QStringLiteral("smblock"), s.columnSelection);
    ini.writeBool(kOptions, QStringLiteral("armamode"), s.game == Game::Arma);
    ini.writeColor(kHighlighter, QStringLiteral("CommColor"), s.comment.color.value_or(Colors::clNone));
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        ini.writeColor(kHighlighter, key(i, "Color"), s.attributes[i].color);
    ini.writeString(kOptions, QStringLiteral("OFPpath"), s.ofpExePath);
    ini.writeString(kOptions, QStringLiteral("AApath"), s.armaExePath);
    ini.writeBool(kHighlighter, QStringLiteral("CommIsBold"), s.comment.bold);
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        ini.writeBool(kHighlighter, key(i, "IsBold"), s.attributes[i].bold);
    ini.writeBool(kHighlighter, QStringLiteral("CommIsItalic"), s.comment.italic.value_or(s.sqsComments));
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        ini.writeBool(kHighlighter, key(i, "IsItalic"), s.attributes[i].italic);
    ini.writeBool(kOptions, QStringLiteral("SaveBeforeRun"), s.saveBeforeRun);
    ini.writeBool(kOptions, QStringLiteral("TabsToSpaces"), s.tabsToSpaces);
}

} // namespace SettingsFile
