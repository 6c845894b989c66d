#include "RasterCanvas.h"

#include "BitmapFont.h"
#include "ByteWriter.h"
#include "PngWriter.h"

#include <algorithm>
#include <cmath>

namespace strilux {

namespace {

struct Span
{
    std::int64_t first, end;  // [first, end)
};

// The steps t in [0, count) for which base + direction * t lies in [0, limit).
Span stepsInside(std::int64_t base, int direction, std::int64_t count, std::int64_t limit)
{
    Span s = direction > 0 ? Span{-base, limit - base} : Span{base - limit + 1, base + 1};
    return {std::max<std::int64_t>(s.first, 0), std::min(s.end, count)};
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height, double dpiX, double dpiY, double pixelScale)
    : m_width(std::max(1, width))
    , m_height(std::max(1, height))
    , m_dpiX(dpiX)
    , m_dpiY(dpiY)
    , m_pixelScale(pixelScale)
    , m_pixels(std::size_t(m_width) * m_height, Rgb{255, 255, 255})
{
}

std::int64_t RasterCanvas::toPixelX(std::int64_t logical) const
{
    const double factor = m_mode == MapMode::Pixels ? m_pixelScale : m_dpiX / 2540.0;
    return std::llround(double(logical) * factor);
}

std::int64_t RasterCanvas::toPixelY(std::int64_t logical) const
{
    const double factor = m_mode == MapMode::Pixels ? m_pixelScale : -m_dpiY / 2540.0;
    return std::llround(double(logical) * factor);
}

void RasterCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    std::int64_t x0 = toPixelX(left), x1 = toPixelX(right), y0 = toPixelY(top), y1 = toPixelY(bottom);
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    x0 = std::max<std::int64_t>(0, x0);
    y0 = std::max<std::int64_t>(0, y0);
    x1 = std::min<std::int64_t>(m_width, x1);
    y1 = std::min<std::int64_t>(m_height, y1);
    for (std::int64_t y = y0; y < y1; ++y)
        std::fill_n(m_pixels.begin() + y * m_width + x0, std::max<std::int64_t>(0, x1 - x0), colour);
}

// One glyph in a width x height cell whose top-left corner is (x, y), turned
// counter-clockwise by quarter turns about that corner. Only the part of the cell on
// the image is walked.
void RasterCanvas::drawGlyph(const std::uint8_t *glyph, std::int64_t x, std::int64_t y, std::int64_t width,
                             std::int64_t height, int quarterTurns, Rgb colour)
{
    // Where u (along the text) and v (down the glyph) go on the image for each turn.
    static constexpr int kAxes[4][4] = {
        // du/dx, dv/dx, du/dy, dv/dy
        {1, 0, 0, 1},
        {0, 1, -1, 0},
        {-1, 0, 0, -1},
        {0, -1, 1, 0},
    };
    const int *a = kAxes[quarterTurns];
    const bool uAlongX = a[0] != 0;
    const Span us = uAlongX ? stepsInside(x, a[0], width, m_width) : stepsInside(y, a[2], width, m_height);
    const Span vs = uAlongX ? stepsInside(y, a[3], height, m_height) : stepsInside(x, a[1], height, m_width);
    for (std::int64_t v = vs.first; v < vs.end; ++v) {
        const std::int64_t row = v * kGlyphRows / height;
        for (std::int64_t u = us.first; u < us.end; ++u) {
            // The glyph keeps a blank column on the right of its cell.
            const std::int64_t column = u * (kGlyphColumns + 1) / width;
            if (column >= kGlyphColumns || !((glyph[column] >> row) & 1))
                continue;
            const std::int64_t px = x + a[0] * u + a[1] * v;
            const std::int64_t py = y + a[2] * u + a[3] * v;
            m_pixels[std::size_t(py * m_width + px)] = colour;
        }
    }
}

void RasterCanvas::drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour)
{
    const std::int64_t width = std::abs(toPixelX(font.width) - toPixelX(0));
    const std::int64_t height = std::abs(toPixelY(font.height) - toPixelY(0));
    if (width <= 0 || height <= 0)
        return;
    const int turns = ((font.escapement / 900) % 4 + 4) % 4;
    static constexpr int kAdvance[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    std::int64_t px = toPixelX(x), py = toPixelY(y);
    for (char16_t c : utf8ToUtf16(utf8)) {
        if (const std::uint8_t *glyph = bitmapGlyph(c))
            drawGlyph(glyph, px, py, width, height, turns, colour);
        px += kAdvance[turns][0] * width;
        py += kAdvance[turns][1] * width;
    }
}

Rgb RasterCanvas::pixel(int x, int y) const
{
    return m_pixels[std::size_t(y) * m_width + x];
}

std::vector<std::uint8_t> RasterCanvas::png() const
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(m_pixels.size() * 3);
    for (const Rgb &p : m_pixels) {
        rgb.push_back(p.r);
        rgb.push_back(p.g);
        rgb.push_back(p.b);
    }
    return encodePng(rgb, m_width, m_height);
}

}  // namespace strilux
