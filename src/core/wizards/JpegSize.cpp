// Reading a JPEG picture's size with libjpeg, whose errors come back here instead of ending
// the program.
#include "wizards/JpegSize.h"

#include "AppError.h"
#include "text/FileText.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// A header may claim a picture of gigabytes; whatever it claims, the decoder stays within this.
constexpr long kMemoryLimit = 64L * 1024 * 1024;
// A picture in one scan is decoded a few rows at a time, at an eighth of its size. One in several
// scans (progressive, or its components scanned apart) is held whole while its scans arrive,
// whatever the scale; it is decoded only while that takes at most this much, which leaves the
// rest of the limit for rows and tables. A larger one has its structure walked instead.
constexpr unsigned long long kCoefficientLimit = 48ULL * 1024 * 1024;

// The markers the structure walk tells apart.
constexpr unsigned char kTem = 0x01, kRst0 = 0xD0, kRst7 = 0xD7, kEoi = 0xD9, kSos = 0xDA;

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

// What decoding a picture in several scans holds: 128 bytes for each 8 x 8 block of each
// component, its rows and columns of blocks rounded up to whole units of its sampling.
unsigned long long coefficientBytes(const jpeg_decompress_struct &info)
{
    const auto roundUp = [](unsigned long long count, int unit) { return (count + unit - 1) / unit * unit; };
    unsigned long long bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info &component = info.comp_info[c];
        bytes += roundUp(component.width_in_blocks, component.h_samp_factor)
                 * roundUp(component.height_in_blocks, component.v_samp_factor) * sizeof(JBLOCK);
    }
    return bytes;
}

// A scan header, from its length field on, names 1 to 4 components, each one of the frame's.
int checkScanHeader(const unsigned char *segment, size_t length, const jpeg_decompress_struct &info)
{
    const size_t count = length > 2 ? segment[2] : 0;
    if (count < 1 || count > MAX_COMPS_IN_SCAN || length != 6 + 2 * count)
        return JERR_BAD_LENGTH;
    const jpeg_component_info *frame = info.comp_info;
    for (size_t i = 0; i < count; ++i) {
        const int id = segment[3 + 2 * i];
        const auto named = [id](const jpeg_component_info &c) { return c.component_id == id; };
        if (std::none_of(frame, frame + info.num_components, named))
            return JERR_BAD_COMPONENT_ID;
    }
    return 0;
}

// The rest of a file whose header libjpeg has read up to the first scan's data, walked without
// decoding: the data of each scan runs to a marker (stuffed FF 00 and restart markers belong to
// it), each marker segment's length fits in the file, each scan header is sound, and the file
// reaches its end marker. Bytes between segments are passed over, as libjpeg does. Returns 0,
// or the libjpeg message number of the fault: a file cut short gets the one of a decoder that
// runs out of data.
int checkStructure(const jpeg_decompress_struct &info, const unsigned char *data, size_t size)
{
    size_t pos = size - info.src->bytes_in_buffer;
    for (;;) {
        while (pos + 1 < size && (data[pos] != 0xFF || data[pos + 1] == 0x00 || data[pos + 1] == 0xFF))
            ++pos;
        if (pos + 1 >= size)
            return JWRN_JPEG_EOF;
        const unsigned char marker = data[pos + 1];
        pos += 2;
        if (marker == kEoi)
            return 0;
        if (marker == kTem || (marker >= kRst0 && marker <= kRst7))
            continue;
        if (size - pos < 2)
            return JWRN_JPEG_EOF;
        const size_t length = size_t(data[pos]) << 8 | data[pos + 1];
        if (length < 2)
            return JERR_BAD_LENGTH;
        if (length > size - pos)
            return JWRN_JPEG_EOF;
        if (marker == kSos)
            if (const int fault = checkScanHeader(data + pos, length, info))
                return fault;
        pos += length;
    }
}

// Walks all the data by decoding it at an eighth of its size.
void decodeSmall(jpeg_decompress_struct &info)
{
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
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
    info.mem->max_memory_to_use = kMemoryLimit;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    *width = info.image_width;
    *height = info.image_height;
    if (jpeg_has_multiple_scans(&info) && coefficientBytes(info) > kCoefficientLimit) {
        const int fault = checkStructure(info, data, size);
        jpeg_destroy_decompress(&info);
        return fault;
    }
    decodeSmall(info);
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
