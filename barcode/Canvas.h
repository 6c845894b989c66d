#pragma once

#include "SymbolParams.h"

#include <string>

namespace strilux {

// The mapping a symbol is drawn with: 0.01 mm with the y axis up (physical units), or
// device pixels with the y axis down.
enum class MapMode { HiMetric, Pixels };

struct FontSpec
{
    std::string face;
    int width = 0;  // logical units
    int height = 0;
    int weight = 400;
    bool italic = false;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    bool operator==(const FontSpec &) const = default;
};

// A drawing target: filled rectangles and text in logical coordinates.
class Canvas
{
public:
    virtual ~Canvas() = default;
    virtual void setMapMode(MapMode mode) = 0;
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // (x, y) is the top-left corner of the text before escapement.
    virtual void drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour) = 0;
};

}  // namespace strilux
