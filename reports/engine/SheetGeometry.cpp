#include "SheetGeometry.h"

#include "FontMapper.h"

#include <cmath>

namespace celvane {

double SheetGeometry::digitWidth(const Font &font)
{
    return FontMapper::digitWidthEm(font.name) * font.size;
}

SheetGeometry::SheetGeometry(const Worksheet &sheet, const StyleSheet &styles)
    : m_sheet(sheet)
    , m_digitWidth(digitWidth(styles.fonts.front()))
{
    // Without a default width the base width gets the padding of five pixels.
    const double characters
        = sheet.defaultColumnWidth > 0.0 ? sheet.defaultColumnWidth : sheet.baseColumnWidth + 5.0 * 0.75 / m_digitWidth;
    m_defaultWidth = characters * m_digitWidth;
}

double SheetGeometry::columnWidth(int column) const
{
    const ColumnInfo *info = m_sheet.columnInfo(column);
    if (!info)
        return m_defaultWidth;
    if (info->hidden)
        return 0.0;
    return info->width * m_digitWidth;
}

double SheetGeometry::rowHeight(int row) const
{
    return m_sheet.rowHeightPoints(row);
}

AnchorPoint SheetGeometry::anchorAt(int column, int row, double dx, double dy) const
{
    while (dx < 0 && column > 1)
        dx += columnWidth(--column);
    for (double w = columnWidth(column); dx >= w && column < 16384; w = columnWidth(column)) {
        dx -= w;
        ++column;
    }
    while (dy < 0 && row > 1)
        dy += rowHeight(--row);
    for (double h = rowHeight(row); dy >= h && row < 1048576; h = rowHeight(row)) {
        dy -= h;
        ++row;
    }
    return {column - 1, row - 1, std::llround(std::max(0.0, dx) * kEmuPerPoint),
            std::llround(std::max(0.0, dy) * kEmuPerPoint)};
}

QPointF SheetGeometry::offsetFrom(int column, int row, const AnchorPoint &point) const
{
    double x = double(point.columnOffset) / kEmuPerPoint;
    double y = double(point.rowOffset) / kEmuPerPoint;
    for (int c = column; c < point.column + 1; ++c)
        x += columnWidth(c);
    for (int c = point.column + 1; c < column; ++c)
        x -= columnWidth(c);
    for (int r = row; r < point.row + 1; ++r)
        y += rowHeight(r);
    for (int r = point.row + 1; r < row; ++r)
        y -= rowHeight(r);
    return {x, y};
}

QRectF SheetGeometry::objectRect(int column, int row, const DrawingObject &object) const
{
    if (object.anchor == DrawingObject::Anchor::Absolute) {
        const QPointF origin = offsetFrom(column, row, AnchorPoint{});
        return {double(object.x) / kEmuPerPoint + origin.x(), double(object.y) / kEmuPerPoint + origin.y(),
                double(object.width) / kEmuPerPoint, double(object.height) / kEmuPerPoint};
    }
    const QPointF topLeft = offsetFrom(column, row, object.from);
    if (object.anchor == DrawingObject::Anchor::OneCell)
        return {topLeft, QSizeF(double(object.width) / kEmuPerPoint, double(object.height) / kEmuPerPoint)};
    return QRectF(topLeft, offsetFrom(column, row, object.to));
}

}  // namespace celvane
