// Reading a JPEG picture's size with libjpeg, whose errors come back here instead of ending
// the program.
#include "wizards/JpegSize.h"

#include "AppError.h"
#include "text/FileText.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// A single-scan picture is decoded a few rows at a time, an eighth of its size. A progressive
// one is held whole while its scans arrive: 128 bytes for each 8 x 8 block of each component,
// whatever the scale. The limit takes a progressive colour picture of 8192 x 8192 with all three
// components at full resolution, with room to work; a header claiming more is refused.
constexpr long kLargestSide = 8192;
constexpr long kMemoryLimit = (kLargestSide / 8) * (kLargestSide / 8) * 128 * 3 + 64L * 1024 * 1024;

// libjpeg's default error_exit calls exit(); ours jumps back to decode().
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void leaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Warnings are silent, except that data cut off before its end is an error.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        leaveDecoder(info);
}

// C-style on purpose: nothing between setjmp and the jump back needs destroying. Returns 0, or
// the libjpeg message number of the failure.
int decode(const unsigned char *data, unsigned long size, JDIMENSION *width, JDIMENSION *height)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveDecoder;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        const int code = errors.base.msg_code;
        jpeg_destroy_decompress(&info);
        return code > 0 ? code : -1;
    }
    jpeg_create_decompress(&info);
    // A header may claim a picture of gigabytes.
    info.mem->max_memory_to_use = kMemoryLimit;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    *width = info.image_width;
    *height = info.image_height;
    // An eighth of the size is enough to walk all the data.
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return 0;
}

} // namespace

QSize readJpegSize(const QByteArray &bytes)
{
    JDIMENSION width = 0, height = 0;
    const int code = decode(reinterpret_cast<const unsigned char *>(bytes.constData()),
                            static_cast<unsigned long>(bytes.size()), &width, &height);
    if (code != 0)
        throw AppError(QStringLiteral("JPEG error #%1").arg(code));
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

QSize readJpegSize(const QString &path)
{
    return readJpegSize(loadFileToString(path));
}
