#pragma once

#include "Canvas.h"

#include <vector>

namespace strilux {

// Keeps a drawing so that a picture can play it again onto any canvas.
class RecordingCanvas : public Canvas
{
public:
    void setMapMode(MapMode mode) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void drawText(int x, int y, const std::string &utf8, const FontSpec &font, Rgb colour) override;

    void replay(Canvas &target) const;

private:
    struct Operation
    {
        enum Kind { MapModeChange, Rect, Text } kind;
        MapMode mode;
        int a, b, c, d;
        Rgb colour;
        std::string text;
        FontSpec font;
    };
    std::vector<Operation> m_operations;
};

}  // namespace strilux
