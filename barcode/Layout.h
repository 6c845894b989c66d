#pragma once

#include "Symbol.h"
#include "SymbolParams.h"

#include <string>
#include <vector>

namespace strilux {

struct LayoutRect
{
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct LayoutText
{
    std::string text;
    int left = 0, top = 0;
};

// A symbol placed in layout units, x to the right and y down from the top-left corner:
// micrometres in physical mode, device pixels in device mode.
struct Layout
{
    bool device = false;
    int width = 0;
    int height = 0;
    std::vector<LayoutRect> bars;
    std::vector<LayoutText> texts;
    int charWidth = 0;
    int charHeight = 0;
};

Layout layoutSymbol(const Symbol &symbol, const SymbolParams &params);

// The size in µm before rotation (device layouts are converted back from pixels).
SizeUm layoutSizeUm(const Layout &layout, const SymbolParams &params);

}  // namespace strilux
