#include "RasterCanvas.h"

#include "BitmapFont.h"
#include "ByteWriter.h"
#include "PngWriter.h"

#include <algorithm>
#include <cmath>

namespace strilux {

RasterCanvas::RasterCanvas(int width, int height, int dpiX, int dpiY)
    : m_width(std::max(1, width))
    , m_height(std::max(1, height))
    , m_dpiX(dpiX)
    , m_dpiY(dpiY)
    , m_pixels(std::size_t(m_width) * m_height, Rgb{255, 255, 255})
{
}

int RasterCanvas::toPixelX(int logical) const
{
    return m_mode == MapMode::Pixels ? logical : int(std::lround(logical * double(m_dpiX) / 2540.0));
}

int RasterCanvas::toPixelY(int logical) const
{
    return m_mode == MapMode::Pixels ? logical : int(std::lround(-logical * double(m_dpiY) / 2540.0));
}

void RasterCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour)
{
    int x0 = toPixelX(left), x1 = toPixelX(right), y0 = toPixelY(top), y1 = toPixelY(bottom);
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(m_width, x1);
    y1 = std::min(m_height, y1);
    for (int y = y0; y < y1; ++y)
        std::fill_n(m_pixels.begin() + std::ptrdiff_t(y) * m_width + x0, std::max(0, x1 - x0), colour);
}

void RasterCanvas::plot(int x, int y, Rgb colour)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[std::size_t(y) * m_width + x] = colour;
}

// One glyph in a width x height cell whose top-left corner is (x, y), turned
// counter-clockwise by quarter turns about that corner.
void RasterCanvas::drawGlyph(const std::uint8_t *glyph, int x, int y, int width, int height, int quarterTurns,
                             Rgb colour)
{
    for (int v = 0; v < height; ++v) {
        const int row = v * kGlyphRows / height;
        for (int u = 0; u < width; ++u) {
            // The glyph keeps a blank column on the right of its cell.
            const int column = u * (kGlyphColumns + 1) / width;
            if (column >= kGlyphColumns || !((glyph[column] >> row) & 1))
                continue;
            switch (quarterTurns) {
            case 1:
                plot(x + v, y - u, colour);
                break;
            case 2:
                plot(x - u, y - v, colour);
                break;
            case 3:
                plot(x - v, y + u, colour);
                break;
            default:
                plot(x + u, y + v, colour);
                break;
            }
        }
    }
}

void RasterCanvas::drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour)
{
    const int width = std::abs(toPixelX(font.width) - toPixelX(0));
    const int height = std::abs(toPixelY(font.height) - toPixelY(0));
    const int turns = ((font.escapement / 900) % 4 + 4) % 4;
    int px = toPixelX(x), py = toPixelY(y);
    for (char16_t c : utf8ToUtf16(utf8)) {
        if (const std::uint8_t *glyph = bitmapGlyph(c))
            drawGlyph(glyph, px, py, width, height, turns, colour);
        switch (turns) {
        case 1:
            py -= width;
            break;
        case 2:
            px -= width;
            break;
        case 3:
            py += width;
            break;
        default:
            px += width;
            break;
        }
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
