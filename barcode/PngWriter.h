#pragma once

#include <cstdint>
#include <vector>

namespace strilux {

// A PNG file of 8-bit RGB rows, stored without compression (no zlib needed).
std::vector<std::uint8_t> encodePng(const std::vector<std::uint8_t>& rgb, int width, int height);

}  // namespace strilux
