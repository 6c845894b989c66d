#pragma once

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strilux {

// An RGB pixel image of a drawing at a resolution, for tools and tests. Text is drawn with
// a small built-in bitmap font stretched to the character cell: the library carries no
// font renderer.
class RasterCanvas : public Canvas
{
public:
    RasterCanvas(int width, int height, int dpiX, int dpiY);

    void setMapMode(MapMode mode) override { m_mode = mode; }
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour) override;

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgb pixel(int x, int y) const;
    std::vector<std::uint8_t> png() const;

private:
    int toPixelX(int logical) const;
    void drawGlyph(const std::uint8_t *glyph, int x, int y, int width, int height, int quarterTurns, Rgb colour);
    void plot(int x, int y, Rgb colour);
    int toPixelY(int logical) const;

    int m_width, m_height, m_dpiX, m_dpiY;
    MapMode m_mode = MapMode::Pixels;
    std::vector<Rgb> m_pixels;
};

}  // namespace strilux
