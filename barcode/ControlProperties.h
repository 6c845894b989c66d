#pragma once

#include "SymbolParams.h"

#include <cstdint>
#include <string>

namespace strilux {

// The property state of one control, lengths in µm.
struct ControlProperties
{
    int type = 0;
    std::string value = "0123456789";
    std::string startChar = "a";
    std::string stopChar = "a";
    int unit = 0;
    int rotate = 0;
    int checkChar = 0;
    int message = 0;
    int objectMode = 0;
    int bearer = 0;
    int codeSet = 0;
    int checkPattern = 0;
    int dcMode = 0;
    int zoom = 100;
    int blackRatio = 100;
    int barRatio = 250;
    std::int64_t element = 508;
    std::int64_t barHeight = 0;
    std::int64_t barWidth = 0;
    std::int64_t quiet = 0;
    std::int64_t charGap = 0;
    std::int64_t charWidth = 0;
    std::int64_t charHeight = 0;
    int dpiX = 96;
    int dpiY = 96;
    std::uint32_t barColor = 0x000000;  // 0x00BBGGRR
    std::uint32_t backColor = 0xFFFFFF;
    int flatHeight = 0;
    std::string fontFace = "ＭＳ ゴシック";
    bool fontBold = false;
    bool fontItalic = false;
    int scaleMode = 3;  // measure of Width and Height
    std::intptr_t parent = 0;
    std::intptr_t printerDC = 0;
    std::intptr_t errorProc = 0;
    std::intptr_t errorParam = 0;
    std::string rememberedCheck;
};

// The geometry parameters of a build from the properties.
SymbolParams symbolParams(const ControlProperties &p);

Rgb rgbOf(std::uint32_t colorRef);

}  // namespace strilux
