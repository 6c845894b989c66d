#pragma once

#include "SheetGeometry.h"
#include "StyleSheet.h"
#include "Worksheet.h"

#include <QFont>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace celvane {

// What of a sheet puts something on paper: a cell with a value, a fill or a line, a merged
// block whose first cell does, a picture or a shape, and the empty cells a long text runs
// over. A cell that is merely formatted (a font,
// a number format, a height) prints nothing, so it neither makes a page nor widens the used
// range, as in the spreadsheet programs.
class InkedCells
{
public:
    InkedCells(const Worksheet &sheet, const StyleSheet &styles, const SheetGeometry &geometry);

    // The smallest block that holds everything inked; empty for a sheet that prints nothing.
    std::optional<CellRange> extent() const;
    // Calls back with each inked cell, block or object's cells.
    void visit(const std::function<void(const CellRange &)> &inked) const;

private:
    bool isInked(const Cell &cell) const;
    CellRange cellsOf(const DrawingObject &object) const;
    // The cells a text runs over when it is wider than its own: they print it too.
    CellRange reach(const Row &row, int number, int column, const Cell &cell) const;

    const Worksheet &m_sheet;
    const StyleSheet &m_styles;
    const SheetGeometry &m_geometry;
    std::vector<bool> m_visibleFormat;     // per cell format: draws a fill or a line
    mutable std::map<int, QFont> m_fonts;  // by font number, as measured on a device of points
};

}  // namespace celvane
