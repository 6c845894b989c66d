#pragma once

#include "Canvas.h"
#include "Layout.h"

namespace strilux {

// The rotated extent of a layout in the canvas's logical units.
struct LogicalExtent
{
    int width = 0;
    int height = 0;
};

LogicalExtent logicalExtent(const Layout &layout, int rotate);

// Draws background, bars and text of a layout, rotated, with the mapping of its mode.
void renderLayout(Canvas &canvas, const Layout &layout, const SymbolParams &params);

}  // namespace strilux
