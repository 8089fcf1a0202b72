// The settings file reader: any bytes as config.ini, read key by key and section by section.
#include "FuzzInput.h"
#include "AppError.h"
#include "settings/ColorText.h"
#include "settings/IniFile.h"
#include "settings/ShortcutCode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile file(data, size, "config.ini");
    const IniFile ini(file.path());
    for (const char *section : {"options", "HIGHLIGHTER", "txfont", "MRU List", "position"}) {
        const QStringList keys = ini.readSectionKeys(QLatin1String(section));
        for (const QString &key : keys) {
            FUZZ_CHECK(ini.valueExists(QLatin1String(section), key));
            ini.readString(QLatin1String(section), key, QString());
            ini.readBool(QLatin1String(section), key, false);
            const qint32 number = ini.readInteger(QLatin1String(section), key, 0);
            ShortcutCode::toKey(number);
            try {
                const ColorValue color = ini.readColor(QLatin1String(section), key, 0);
                // A colour written back reads as the same colour.
                FUZZ_CHECK(stringToColor(colorToString(color)) == color);
            } catch (const AppError &) {
            }
        }
    }
    return 0;
}
