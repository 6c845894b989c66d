#include "SheetGeometry.h"

#include <cmath>

namespace celvane {

namespace {
double widthInPoints(double characters, int digitWidth)
{
    const double pixels = std::trunc((256.0 * characters + std::trunc(128.0 / digitWidth)) / 256.0 * digitWidth);
    return pixels * 0.75;
}
} // namespace

int SheetGeometry::maxDigitWidth(const Font &font)
{
    // Digit widths at 96 dpi of the faces templates use; Japanese faces have wider digits.
    const bool japanese = font.name.contains(QStringLiteral("ゴシック")) || font.name.contains(QStringLiteral("明朝"))
                       || font.name.contains(QLatin1String("Gothic"), Qt::CaseInsensitive)
                       || font.name.contains(QLatin1String("Mincho"), Qt::CaseInsensitive)
                       || font.name.contains(QStringLiteral("メイリオ")) || font.name.contains(QLatin1String("IPA"));
    const double perPoint = japanese ? 8.0 / 11.0 : 7.0 / 11.0;
    return std::max(1, int(std::lround(font.size * perPoint)));
}

SheetGeometry::SheetGeometry(const Worksheet &sheet, const StyleSheet &styles)
    : m_sheet(sheet), m_digitWidth(maxDigitWidth(styles.fonts.front()))
{
    if (sheet.defaultColumnWidth > 0.0) {
        m_defaultWidth = widthInPoints(sheet.defaultColumnWidth, m_digitWidth);
    } else {
        const double pixels = std::ceil((sheet.baseColumnWidth * m_digitWidth + 5) / 8.0) * 8.0;
        m_defaultWidth = pixels * 0.75;
    }
}

double SheetGeometry::columnWidth(int column) const
{
    const ColumnInfo *info = m_sheet.columnInfo(column);
    if (!info)
        return m_defaultWidth;
    if (info->hidden)
        return 0.0;
    return widthInPoints(info->width, m_digitWidth);
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

} // namespace celvane
