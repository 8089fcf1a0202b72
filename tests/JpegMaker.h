// JPEG pictures made with libjpeg for the tests.
#pragma once

#include <QByteArray>

#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

// A picture of the given size and components in memory: `write` sets the compression up and
// writes the data; the file's bytes.
template <class Write>
QByteArray compressJpeg(int width, int height, int components, Write write)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    write(info);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    free(buffer);
    return bytes;
}

// A grey picture of the given size.
inline QByteArray makeJpeg(int width, int height)
{
    return compressJpeg(width, height, 1, [width](jpeg_compress_struct &info) {
        jpeg_start_compress(&info, TRUE);
        std::vector<unsigned char> row(static_cast<size_t>(width), 128);
        JSAMPROW rows[1] = {row.data()};
        while (info.next_scanline < info.image_height)
            jpeg_write_scanlines(&info, rows, 1);
    });
}

// A flat grey progressive colour picture, all three components at full resolution: the kind
// whose decoding holds the coefficients of the whole picture. Written from coefficients that are
// all zero, every block row served by the same row of blocks, so that even a picture of
// 8192 x 8192 is made at once and in little memory.
inline QByteArray makeFlatProgressiveJpeg(int width, int height)
{
    static std::unique_ptr<JBLOCK[]> zeroRow;
    static JBLOCKROW zeroRows[1];
    zeroRow = std::make_unique<JBLOCK[]>(static_cast<size_t>(width + 7) / 8);
    zeroRows[0] = zeroRow.get();
    return compressJpeg(width, height, 3, [](jpeg_compress_struct &info) {
        for (int c = 0; c < info.num_components; ++c)
            info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
        // The fewest scans a progressive picture can have: the DC terms, then each component's rest.
        static const jpeg_scan_info scans[] = {
            {3, {0, 1, 2, 0}, 0, 0, 0, 0}, {1, {0}, 1, 63, 0, 0}, {1, {1}, 1, 63, 0, 0}, {1, {2}, 1, 63, 0, 0}};
        info.scan_info = scans;
        info.num_scans = 4;
        // The writer asks for one block row at a time and only reads it.
        info.mem->access_virt_barray = [](j_common_ptr, jvirt_barray_ptr, JDIMENSION, JDIMENSION, boolean) {
            return static_cast<JBLOCKARRAY>(zeroRows);
        };
        jvirt_barray_ptr components[3] = {};
        jpeg_write_coefficients(&info, components);
    });
}
