#include "RasterCanvas.h"

#include "PngWriter.h"

#include <algorithm>
#include <cmath>

namespace strilux {

RasterCanvas::RasterCanvas(int width, int height, int dpiX, int dpiY)
    : m_width(std::max(1, width)), m_height(std::max(1, height)), m_dpiX(dpiX), m_dpiY(dpiY),
      m_pixels(std::size_t(m_width) * m_height, Rgb{255, 255, 255})
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

void RasterCanvas::drawText(int, int, const std::string&, const FontSpec&, Rgb)
{
    // No glyphs without a font renderer; the bars carry the value.
}

Rgb RasterCanvas::pixel(int x, int y) const
{
    return m_pixels[std::size_t(y) * m_width + x];
}

std::vector<std::uint8_t> RasterCanvas::png() const
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(m_pixels.size() * 3);
    for (const Rgb& p : m_pixels) {
        rgb.push_back(p.r);
        rgb.push_back(p.g);
        rgb.push_back(p.b);
    }
    return encodePng(rgb, m_width, m_height);
}

}  // namespace strilux
