#pragma once

#include <cstdint>

namespace strilux {

enum class Unit : int { MM = 0, Inch = 1, Point = 2, Dot = 3 };

// Converts a property value in `unit` to whole micrometres, halves rounded up; the dot
// unit takes whole dots only.
std::int64_t toMicrometres(double value, Unit unit, int dpi);
// Converts micrometres back: thousandths of the unit (halves up), or whole dots.
double fromMicrometres(std::int64_t um, Unit unit, int dpi);

// Device pixels of a length: trunc(um x dpi / 25400 + 0.1).
int umToPixels(std::int64_t um, int dpi);
std::int64_t pixelsToUm(std::int64_t pixels, int dpi);

// Measures of a symbol size (GetSize, Width, Height). Values 1-7 are the scale modes of a
// hosting form; those other than pixels are given in thousandths.
enum class Measure : int {
    Micrometres = 0,
    Twips1000 = 1,
    Points1000 = 2,
    Pixels = 3,
    Characters1000 = 4,
    Inches1000 = 5,
    Millimetres1000 = 6,
    Centimetres1000 = 7,
    HundredthMM = 8,
    HundredthInch = 9,
    TenthMM = 10,
    Twips = 11,
};
constexpr int kMeasureCount = 12;

struct SizeUm
{
    std::int64_t cx = 0;
    std::int64_t cy = 0;
};

// The size in a measure; `dpiX`, `dpiY` for pixels.
SizeUm sizeInMeasure(SizeUm um, Measure measure, int dpiX, int dpiY);

}  // namespace strilux
