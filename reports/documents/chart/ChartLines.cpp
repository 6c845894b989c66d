#include "ChartLines.h"

#include <QHash>

namespace sorvik::documents::ChartLines {

int ColourIndex(const QString &storedColour, bool isNull)
{
    static const QHash<QString, int> indexes{
        {QStringLiteral("clRed"), 10},    {QStringLiteral("clGreen"), 11},   {QStringLiteral("clBlue"), 12},
        {QStringLiteral("clYellow"), 13}, {QStringLiteral("clFuchsia"), 14}, {QStringLiteral("clAqua"), 15},
    };
    if (isNull)
        return 8;
    return indexes.value(storedColour, 0);
}

std::optional<int> FrameStyle(int stored)
{
    switch (stored) {
    case 1:  // 太線
        return 2;
    case 2:  // 極太線
        return 5;
    case 3:  // 二重線
        return 6;
    case 4:  // 破線
        return 3;
    case 5:  // 太破線
        return 8;
    default:
        return std::nullopt;
    }
}

}  // namespace sorvik::documents::ChartLines
