#pragma once

#include "EncodeOptions.h"
#include "Units.h"

#include <cstdint>
#include <string>

namespace strilux {

struct Rgb
{
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

// Everything one symbol build needs, lengths in micrometres (0 = the type's default).
struct SymbolParams
{
    EncodeOptions encode;
    int zoom = 100;              // percent
    std::int64_t element = 508;  // narrow element of NW-7, Code 39, Code 128
    int barRatio = 250;          // wide / narrow in percent
    std::int64_t barHeight = 0;
    std::int64_t quiet = 0;
    std::int64_t charGap = 0;
    std::int64_t charWidth = 0;
    std::int64_t charHeight = 0;
    int blackRatio = 100;  // bar-width correction in percent
    bool bearer = true;
    int flatHeight = 0;
    bool message = true;
    int rotate = 0;  // quarter turns counter-clockwise
    int dpiX = 96;
    int dpiY = 96;
    bool deviceMode = false;  // the dot unit draws in whole device pixels
    Rgb barColor{0, 0, 0};
    Rgb backColor{255, 255, 255};
    std::string fontFace = "ＭＳ ゴシック";
    bool bold = false;
    bool italic = false;
};

}  // namespace strilux
