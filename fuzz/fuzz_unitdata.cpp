// The unit data reader and the wizards' check: a file that passes must be safe to read by position.
#include "FuzzInput.h"
#include "AppError.h"
#include "gamedata/DatParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile file(data, size, "unit.dat");
    try {
        const DatParser parser(file.path());
        for (const auto &section : parser.sections) {
            section->params(-1);
            for (int i = 0; i < section->lines.size(); ++i) {
                section->nameAt(i);
                section->params(i);
            }
        }
        checkUnitData(parser, file.path());
        // What the wizards read without further checks.
        for (int s = 0; s < 4; ++s)
            for (int i = 0; i < parser.sections[s]->lines.size(); ++i) {
                const DatParams fields = parser.sections[s]->params(i);
                FUZZ_CHECK(fields.size() >= 2);
                bool ok = false;
                fields[s < 3 ? 2 : 1].toInt(&ok);
                FUZZ_CHECK(ok);
            }
    } catch (const AppError &) {
    }
    return 0;
}
