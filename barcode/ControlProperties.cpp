#include "ControlProperties.h"

namespace strilux {

Rgb rgbOf(std::uint32_t c)
{
    return {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>((c >> 8) & 0xFF),
            static_cast<unsigned char>((c >> 16) & 0xFF)};
}

SymbolParams symbolParams(const ControlProperties &p)
{
    SymbolParams s;
    s.encode.type = BarcodeType(p.type);
    s.encode.checkChar = CheckCharMode(p.checkChar);
    s.encode.checkPattern = CheckPattern(p.checkPattern);
    s.encode.codeSet = CodeSet(p.codeSet);
    s.encode.startChar = p.startChar;
    s.encode.stopChar = p.stopChar;
    s.zoom = p.zoom;
    s.element = p.element;
    s.barRatio = p.barRatio;
    s.barHeight = p.barHeight;
    s.quiet = p.quiet;
    s.charGap = p.charGap;
    s.charWidth = p.charWidth;
    s.charHeight = p.charHeight;
    s.blackRatio = p.blackRatio;
    s.bearer = p.bearer == 0;
    s.flatHeight = p.flatHeight;
    s.message = p.message == 0;
    s.rotate = p.rotate;
    s.dpiX = p.dpiX;
    s.dpiY = p.dpiY;
    s.deviceMode = Unit(p.unit) == Unit::Dot;
    s.barColor = rgbOf(p.barColor);
    s.backColor = rgbOf(p.backColor);
    s.fontFace = p.fontFace;
    s.bold = p.fontBold;
    s.italic = p.fontItalic;
    return s;
}

}  // namespace strilux
