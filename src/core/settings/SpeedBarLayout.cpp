// Reading and writing the speed bar's section of the settings file.
#include "settings/SpeedBarLayout.h"

#include "settings/IniFile.h"

namespace {

QStringList readNames(const IniFile &ini, const QString &section, const QString &countKey, const QString &stem)
{
    QStringList names;
    const int count = ini.readInteger(section, countKey, 0);
    for (int i = 0; i < count && i < 1000; ++i) {
        const QString name = ini.readString(section, stem + QString::number(i), QString());
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

void writeNames(IniFile &ini, const QString &section, const QString &countKey, const QString &stem,
                const QStringList &names)
{
    ini.writeInteger(section, countKey, int(names.size()));
    for (int i = 0; i < names.size(); ++i)
        ini.writeString(section, stem + QString::number(i), names[i]);
}

} // namespace

bool SpeedBarLayout::read(const IniFile &ini, const QString &section, SpeedBarLayout *layout)
{
    if (!ini.valueExists(section, QStringLiteral("Count")))
        return false;
    layout->placed = readNames(ini, section, QStringLiteral("Count"), QStringLiteral("Button"));
    layout->hidden = readNames(ini, section, QStringLiteral("Hidden"), QStringLiteral("Hidden"));
    return true;
}

void SpeedBarLayout::write(IniFile &ini, const QString &section, int width, int pixelsPerInch,
                           int buttonSize) const
{
    ini.eraseSection(section);
    ini.writeInteger(section, QStringLiteral("Position"), 0);
    ini.writeInteger(section, QStringLiteral("Width"), width);
    ini.writeInteger(section, QStringLiteral("Version"), 0);
    ini.writeInteger(section, QStringLiteral("PixelsPerInch"), pixelsPerInch);
    ini.writeInteger(section, QStringLiteral("BtnWidth"), buttonSize);
    ini.writeInteger(section, QStringLiteral("BtnHeight"), buttonSize);
    writeNames(ini, section, QStringLiteral("Count"), QStringLiteral("Button"), placed);
    writeNames(ini, section, QStringLiteral("Hidden"), QStringLiteral("Hidden"), hidden);
}

bool SpeedBarLayout::isPlaced(const QString &name, bool byDefault) const
{
    if (placed.contains(name))
        return true;
    if (hidden.contains(name))
        return false;
    return byDefault;
}
