#include "ChartGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace ChartGeometry {

bool StrictlyInside(const QRect &box, int x, int y)
{
    return box.x() < x && x < box.x() + box.width() && box.y() < y && y < box.y() + box.height();
}

bool CornersWithin(const QRect &box, QPoint areaCorner1, QPoint areaCorner2)
{
    const int minX = std::min(areaCorner1.x(), areaCorner2.x());
    const int maxX = std::max(areaCorner1.x(), areaCorner2.x());
    const int minY = std::min(areaCorner1.y(), areaCorner2.y());
    const int maxY = std::max(areaCorner1.y(), areaCorner2.y());
    const int left = box.x();
    const int right = box.x() + box.width();
    const int top = box.y();
    const int bottom = box.y() + box.height();
    // The box's corners are its extreme points, so two comparisons per axis cover all four.
    return minX <= left && left <= maxX && minX <= right && right <= maxX && minY <= top && top <= maxY
        && minY <= bottom && bottom <= maxY;
}

LinkCurve LinkControlPoints(const LinkEnd &parent, const LinkEnd &child, int colWidth)
{
    // The farther the child sits from the column right of its parent (a wrapped subtree lands
    // back in column 1), the wider the curve swings so it stays readable.
    const int k = std::abs(parent.column - child.column + 1) + 1;
    const int m = k * (colWidth / 5);
    const int parentMid = parent.box.y() + parent.box.height() / 2;
    const int childMid = child.box.y() + child.box.height() / 2;
    const bool sameRow = parent.row == child.row;
    const int parentRight = parent.box.x() + parent.box.width();

    LinkCurve curve;
    curve.p0 = {parentRight, parentMid};
    curve.p1 = {parentRight + m, sameRow ? parentMid - m / 2 : parentMid};
    curve.p2 = {child.box.x() - m, sameRow ? childMid + m / 2 : childMid};
    curve.p3 = {child.box.x() - 1, childMid};
    return curve;
}

QRect LinePixels(QPoint from, QPoint to)
{
    if (from.y() == to.y()) {
        if (from.x() < to.x())
            return QRect(from.x(), from.y(), to.x() - from.x(), 1);
        return QRect(to.x() + 1, from.y(), from.x() - to.x(), 1);
    }
    if (from.y() < to.y())
        return QRect(from.x(), from.y(), 1, to.y() - from.y());
    return QRect(from.x(), to.y() + 1, 1, from.y() - to.y());
}

QList<QRect> OutlineStrips(const QRect &pixels)
{
    const int x = pixels.x();
    const int y = pixels.y();
    const int w = pixels.width();
    const int h = pixels.height();
    if (w <= 0 || h <= 0)
        return {};
    QList<QRect> strips{QRect(x, y, w, 1)};
    if (h > 1)
        strips.append(QRect(x, y + h - 1, w, 1));
    if (h > 2) {
        strips.append(QRect(x, y + 1, 1, h - 2));
        if (w > 1)
            strips.append(QRect(x + w - 1, y + 1, 1, h - 2));
    }
    return strips;
}

QList<int> PageLineRows(int rowCount, int pageRows)
{
    const int step = pageRows >= 1 ? pageRows : rowCount;
    QList<int> rows;
    for (int r = 0; r < rowCount;) {
        r += step;
        rows.append(r);
    }
    return rows;
}

int PlacingColumn(bool hasParent, int parentColumn, int colCount)
{
    if (!hasParent)
        return 0;
    const int column = parentColumn + 1;
    return column >= colCount ? 1 : column;
}

}  // namespace ChartGeometry
