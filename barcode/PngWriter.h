#pragma once

#include <cstdint>
#include <vector>

namespace strilux {

// A PNG file of 8-bit RGB pixels, stored without compression (no zlib needed). Images of
// few colours, as barcodes are, are written with a palette: two colours take one bit a
// pixel.
std::vector<std::uint8_t> encodePng(const std::vector<std::uint8_t> &rgb, int width, int height);

}  // namespace strilux
