#include "SheetGeometry.h"

#include "FontMapper.h"

#include <algorithm>
#include <cmath>

namespace celvane {

namespace {
constexpr int kLastColumn = 16384;
constexpr int kLastRow = 1048576;
constexpr double kHundredthsPerPoint = 2540.0 / 72.0;
}  // namespace

double SheetGeometry::digitWidth(const Font &font)
{
    // LibreOffice measures the digit in whole hundredths of a millimetre at a font height in
    // whole hundredths; counting the same way keeps wide forms on the same pages as there.
    const double height = std::round(font.size * kHundredthsPerPoint);
    return std::floor(FontMapper::digitWidthEm(font.name) * height) / kHundredthsPerPoint;
}

SheetGeometry::SheetGeometry(const Worksheet &sheet, const StyleSheet &styles)
    : m_sheet(sheet)
    , m_digitWidth(digitWidth(styles.fonts.front()))
{
    // Without a default width the base width gets the padding of five pixels (at 96 dpi).
    m_defaultWidth = sheet.defaultColumnWidth > 0.0 ? sheet.defaultColumnWidth * m_digitWidth
                                                    : sheet.baseColumnWidth * m_digitWidth + 5.0 * 0.75;
    std::vector<double> widths(kLastColumn + 1, m_defaultWidth);
    // The first description of a column counts, as in Worksheet::columnInfo.
    for (auto info = sheet.columns.rbegin(); info != sheet.columns.rend(); ++info) {
        const int first = std::clamp(info->first, 1, kLastColumn);
        const int last = std::clamp(info->last, first, kLastColumn);
        std::fill(widths.begin() + first, widths.begin() + last + 1, info->hidden ? 0.0 : info->width * m_digitWidth);
    }
    m_columnLefts.assign(kLastColumn + 2, 0.0);
    for (int c = 1; c <= kLastColumn; ++c)
        m_columnLefts[c + 1] = m_columnLefts[c] + widths[c];
    m_rowTops.assign(2, 0.0);
}

double SheetGeometry::columnWidth(int column) const
{
    column = std::clamp(column, 1, kLastColumn);
    return m_columnLefts[column + 1] - m_columnLefts[column];
}

double SheetGeometry::rowHeight(int row) const
{
    return m_sheet.rowHeightPoints(row);
}

double SheetGeometry::columnLeft(int column) const
{
    return m_columnLefts[std::clamp(column, 1, kLastColumn + 1)];
}

void SheetGeometry::extendRows(int row) const
{
    // Rows the sheet does not describe have the default height; described ones are walked in order.
    int known = int(m_rowTops.size()) - 1;  // the top edge of this row is known
    m_rowTops.reserve(row + 1);
    auto described = m_sheet.rows.lower_bound(known);
    const double plain = m_sheet.rowsHiddenByDefault ? 0.0 : m_sheet.defaultRowHeight;
    for (int r = known; r < row; ++r) {
        double height = plain;
        if (described != m_sheet.rows.end() && described->first == r) {
            height = m_sheet.rowHeightPoints(r);
            ++described;
        }
        m_rowTops.push_back(m_rowTops.back() + height);
    }
}

double SheetGeometry::rowTop(int row) const
{
    row = std::clamp(row, 1, kLastRow + 1);
    if (row >= int(m_rowTops.size()))
        extendRows(row);
    return m_rowTops[row];
}

AnchorPoint SheetGeometry::anchorAt(int column, int row, double dx, double dy) const
{
    while (dx < 0 && column > 1)
        dx += columnWidth(--column);
    for (double w = columnWidth(column); dx >= w && column < kLastColumn; w = columnWidth(column)) {
        dx -= w;
        ++column;
    }
    while (dy < 0 && row > 1)
        dy += rowHeight(--row);
    for (double h = rowHeight(row); dy >= h && row < kLastRow; h = rowHeight(row)) {
        dy -= h;
        ++row;
    }
    return {column - 1, row - 1, std::llround(std::max(0.0, dx) * kEmuPerPoint),
            std::llround(std::max(0.0, dy) * kEmuPerPoint)};
}

QPointF SheetGeometry::offsetFrom(int column, int row, const AnchorPoint &point) const
{
    return {columnLeft(point.column + 1) - columnLeft(column) + double(point.columnOffset) / kEmuPerPoint,
            rowTop(point.row + 1) - rowTop(row) + double(point.rowOffset) / kEmuPerPoint};
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
