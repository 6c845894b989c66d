#include "DemoCanvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

DemoCanvas::DemoCanvas(int width, int height, Color background)
    : m_width(width)
    , m_height(height)
    , m_pixels(size_t(width) * size_t(height) * 3)
{
    fillRect(0, 0, width, height, background);
}

void DemoCanvas::put(int x, int y, Color color)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    std::uint8_t *pixel = &m_pixels[(size_t(y) * size_t(m_width) + size_t(x)) * 3];
    pixel[0] = color.r;
    pixel[1] = color.g;
    pixel[2] = color.b;
}

void DemoCanvas::fillRect(int left, int top, int width, int height, Color color)
{
    for (int y = std::max(0, top); y < std::min(m_height, top + height); ++y)
        for (int x = std::max(0, left); x < std::min(m_width, left + width); ++x)
            put(x, y, color);
}

void DemoCanvas::fillEllipse(int left, int top, int width, int height, Color color)
{
    const double rx = width / 2.0, ry = height / 2.0;
    const double cx = left + rx, cy = top + ry;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                put(x, y, color);
        }
    }
}

void DemoCanvas::verticalGradient(Color from, Color to)
{
    for (int y = 0; y < m_height; ++y) {
        const double t = m_height > 1 ? double(y) / (m_height - 1) : 0;
        const auto mix = [t](std::uint8_t a, std::uint8_t b) { return std::uint8_t(a + (b - a) * t); };
        fillRect(0, y, m_width, 1, {mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)});
    }
}

QByteArray DemoCanvas::toJpeg(int quality) const
{
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = JDIMENSION(m_width);
    compressor.image_height = JDIMENSION(m_height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&m_pixels[size_t(compressor.next_scanline) * size_t(m_width) * 3]);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}
