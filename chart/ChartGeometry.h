#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Grid and drawing arithmetic of the diagram, free of any window so it can be checked alone.
// Integer division truncates toward zero on purpose: a point left of or above the diagram
// belongs to cell 0, never to cell -1, so a drop there lands on the first cell.
namespace ChartGeometry {

constexpr int CellIndex(int pixel, int cellSize)
{
    return pixel / cellSize;
}
constexpr int SnapToCell(int pixel, int cellSize)
{
    return (pixel / cellSize) * cellSize;
}
// Start of an extent centred in cell `index`.
constexpr int CentredInCell(int index, int cellSize, int extent)
{
    return index * cellSize + (cellSize - extent) / 2;
}

// Left < x < Left+Width and Top < y < Top+Height: the edge itself is outside.
bool StrictlyInside(const QRect &box, int x, int y);
// All four corners (Left, Top) .. (Left+Width, Top+Height) lie in `area`, whose edges count as
// inside; `area` is given by its corner points, in any order.
bool CornersWithin(const QRect &box, QPoint areaCorner1, QPoint areaCorner2);

// The four points of a link's cubic Bézier curve, from the parent's right edge to the child's
// left edge.
struct LinkCurve
{
    QPoint p0, p1, p2, p3;
    friend bool operator==(const LinkCurve &, const LinkCurve &) = default;
};
struct LinkEnd
{
    QRect box;
    int column = 0;
    int row = 0;
};
LinkCurve LinkControlPoints(const LinkEnd &parent, const LinkEnd &child, int colWidth);

// Pixels of a horizontal or vertical line from `from` to `to`, the end point excluded as the
// platform's line drawing does; empty when both points are equal.
QRect LinePixels(QPoint from, QPoint to);
// Outline of the pixel rectangle `pixels` as strips that touch every outline pixel exactly
// once, so an exclusive-or outline drawn twice leaves no trace.
QList<QRect> OutlineStrips(const QRect &pixels);
// Rows below which a page line is drawn: every PageRows rows until RowCount is reached, the
// last one possibly on or past the bottom. A page size below 1 makes the whole grid one page.
QList<int> PageLineRows(int rowCount, int pageRows);
// Column for a box added under a parent in `parentColumn` (or without a parent): the next
// column, wrapping to column 1 because column 0 is reserved for boxes without a parent.
int PlacingColumn(bool hasParent, int parentColumn, int colCount);

}  // namespace ChartGeometry
