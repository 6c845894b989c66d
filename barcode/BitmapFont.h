#pragma once

#include <cstdint>

namespace strilux {

// A 5 x 8 pixel font of the printable ASCII characters for raster output: five column
// bytes per glyph, bit 0 the top row. Other characters have no glyph (null).
const std::uint8_t *bitmapGlyph(char32_t c);
constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 8;

}  // namespace strilux
