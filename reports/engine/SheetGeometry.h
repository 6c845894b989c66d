#pragma once

#include "DrawingObject.h"
#include "StyleSheet.h"
#include "Worksheet.h"

#include <QPointF>
#include <QRectF>
#include <vector>

namespace celvane {

// Sizes and positions of a sheet's columns and rows in points. Column widths are counted in
// digits of the workbook's default font, measured in the face that draws it as LibreOffice
// measures it. Positions are sums kept from the sheet's corner, so finding where a cell lies
// costs the same on the thousandth page as on the first.
class SheetGeometry
{
public:
    SheetGeometry(const Worksheet &sheet, const StyleSheet &styles);

    double columnWidth(int column) const;  // 1-based; 0 when hidden
    double rowHeight(int row) const;       // 1-based; 0 when hidden
    // Distance from the sheet's corner to a column's left edge or a row's top edge.
    double columnLeft(int column) const;
    double rowTop(int row) const;
    // A point given as a cell (1-based) and an offset from its top-left corner in points,
    // brought into the cell that holds it.
    AnchorPoint anchorAt(int column, int row, double dx, double dy) const;
    // Offsets of a drawing corner from the top-left of a cell, in points.
    QPointF offsetFrom(int column, int row, const AnchorPoint &point) const;
    // Where a drawing object lies, relative to the top-left of the given cell, in points.
    QRectF objectRect(int column, int row, const DrawingObject &object) const;

    // The width of one digit of a font, in points.
    static double digitWidth(const Font &font);

private:
    void extendRows(int row) const;

    const Worksheet &m_sheet;
    double m_digitWidth;
    double m_defaultWidth;
    std::vector<double> m_columnLefts;      // [c] is the left edge of column c, for 1..16385
    mutable std::vector<double> m_rowTops;  // [r] is the top edge of row r, grown as asked
};

}  // namespace celvane
