#pragma once

#include "Layout.h"

#include <cstdint>

namespace strilux {

// Turns µm into layout units and helps the per-type layouts place bars and text.
class LayoutScale
{
public:
    explicit LayoutScale(const SymbolParams &p)
        : m_params(p)
    {
    }

    bool device() const { return m_params.deviceMode; }
    int x(std::int64_t um) const;
    int y(std::int64_t um) const;
    // A narrow element: at least one pixel in device mode.
    int narrow(std::int64_t um) const;

    // A bar widened or narrowed by the bar-width correction, half on each side.
    LayoutRect correctedBar(int left, int top, int right, int bottom) const;

private:
    const SymbolParams &m_params;
};

// Left edge of `chars` characters of width `charWidth` centred between two positions.
int centredLeft(int from, int to, int chars, int charWidth);

// Places a text line of cells centred on [0, width) with an advance in half widths.
void placeTextLine(Layout &layout, const TextLine &line, int top);

// The UTF-8 text's character count.
int characterCount(const std::string &utf8);

}  // namespace strilux
