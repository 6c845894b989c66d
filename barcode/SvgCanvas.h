#pragma once

#include "Canvas.h"

#include <string>

namespace strilux {

// An SVG document of a drawing, in 0.01 mm user units with the y axis down.
class SvgCanvas : public Canvas
{
public:
    SvgCanvas(int frameWidth, int frameHeight, int dpiX, int dpiY);

    void setMapMode(MapMode mode) override { m_mode = mode; }
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour) override;

    std::string document() const;

private:
    double toX(int logical) const;
    double toY(int logical) const;
    double scaleX() const;

    int m_frameWidth, m_frameHeight, m_dpiX, m_dpiY;
    MapMode m_mode = MapMode::Pixels;
    std::string m_body;
};

}  // namespace strilux
