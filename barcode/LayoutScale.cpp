#include "LayoutScale.h"

#include "Units.h"

#include <algorithm>

namespace strilux {

int LayoutScale::x(std::int64_t um) const
{
    return device() ? umToPixels(um, m_params.dpiX) : int(um);
}

int LayoutScale::y(std::int64_t um) const
{
    return device() ? umToPixels(um, m_params.dpiY) : int(um);
}

int LayoutScale::narrow(std::int64_t um) const
{
    return device() ? std::max(1, x(um)) : int(um);
}

LayoutRect LayoutScale::correctedBar(int left, int top, int right, int bottom) const
{
    const int f = (right - left) * (m_params.blackRatio - 100) / 100;
    return {left + (f / 2 - f), top, right + f / 2, bottom};
}

int centredLeft(int from, int to, int chars, int charWidth)
{
    return (from + to) / 2 - chars * charWidth / 2;
}

int characterCount(const std::string &utf8)
{
    return int(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void placeTextLine(Layout &layout, const TextLine &line, int top)
{
    const int advance = layout.charWidth * line.advanceHalves / 2;
    const int total = advance * int(line.cells.size());
    int left = (layout.width - total) / 2 + (advance - layout.charWidth) / 2;
    for (const auto &cell : line.cells) {
        if (cell != " ")
            layout.texts.push_back({cell, left, top});
        left += advance;
    }
}

}  // namespace strilux
