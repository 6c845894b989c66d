#pragma once

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strilux {

// An RGB pixel image of a drawing at a resolution, for tools and tests. Text is drawn with
// a small built-in bitmap font stretched to the character cell: the library carries no
// font renderer. Whatever a drawing asks, only pixels of the image are ever visited, so
// the time to draw is bounded by the image's size.
class RasterCanvas : public Canvas
{
public:
    // A drawing in physical units lands at `dpiX` x `dpiY`; one in pixels is scaled by
    // `pixelScale` (below 1 when its own pixels would make too large an image).
    RasterCanvas(int width, int height, double dpiX, double dpiY, double pixelScale = 1.0);

    void setMapMode(MapMode mode) override { m_mode = mode; }
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour) override;

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgb pixel(int x, int y) const;
    std::vector<std::uint8_t> png() const;

private:
    std::int64_t toPixelX(std::int64_t logical) const;
    std::int64_t toPixelY(std::int64_t logical) const;
    void drawGlyph(const std::uint8_t *glyph, std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height,
                   int quarterTurns, Rgb colour);

    int m_width, m_height;
    double m_dpiX, m_dpiY;
    double m_pixelScale;
    MapMode m_mode = MapMode::Pixels;
    std::vector<Rgb> m_pixels;
};

}  // namespace strilux
