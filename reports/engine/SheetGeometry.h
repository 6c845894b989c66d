#pragma once

#include "DrawingObject.h"
#include "StyleSheet.h"
#include "Worksheet.h"

#include <QPointF>
#include <QRectF>

namespace celvane {

// Sizes of a sheet's columns and rows in points. Column widths are counted in digits of
// the workbook's default font, measured in the face that draws it, as LibreOffice does.
class SheetGeometry
{
public:
    SheetGeometry(const Worksheet &sheet, const StyleSheet &styles);

    double columnWidth(int column) const;  // 1-based; 0 when hidden
    double rowHeight(int row) const;       // 1-based; 0 when hidden
    // A point given as a cell (1-based) and an offset from its top-left corner in points,
    // brought into the cell that holds it.
    AnchorPoint anchorAt(int column, int row, double dx, double dy) const;
    // Offsets of a drawing corner from the top-left of a cell, in points.
    QPointF offsetFrom(int column, int row, const AnchorPoint &point) const;
    // Where a drawing object lies, relative to the top-left of the given cell, in points.
    QRectF objectRect(int column, int row, const DrawingObject &object) const;

    // The width of one digit of the workbook's default font, in points.
    static double digitWidth(const Font &font);

private:
    const Worksheet &m_sheet;
    double m_digitWidth;
    double m_defaultWidth;
};

}  // namespace celvane
