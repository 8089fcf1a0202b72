// The picture size reader: any bytes as a JPEG give a size or an error, never the end of the program.
#include "FuzzInput.h"
#include "AppError.h"
#include "wizards/JpegSize.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const QSize picture = readJpegSize(fuzzBytes(data, size));
        FUZZ_CHECK(picture.width() > 0 && picture.height() > 0);
    } catch (const AppError &) {
    }
    return 0;
}
