#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The engine's line values of the engineer chart: a line style code × 0x1000000 plus a
// colour index of the workbook's palette.
namespace sorvik::documents::ChartLines {

inline constexpr qint64 StyleUnit = 0x1000000;
inline constexpr qint64 Thin = StyleUnit;  // automatic colour
inline constexpr int HairStyle = 7;

// The palette index of a box's colour (TAIKEI.YOBIS1): black for none, the offered colours
// their own, button face and anything else automatic.
int ColourIndex(const QString &storedColour, bool isNull);
// The line style of a box's frame (TAIKEI.YOBIN1); none for the plain box and unknown values.
std::optional<int> FrameStyle(int stored);

inline qint64 Line(int style, int colourIndex)
{
    return style * StyleUnit + colourIndex;
}

}  // namespace sorvik::documents::ChartLines
