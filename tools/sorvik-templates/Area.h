#pragma once

#include "CellRange.h"

namespace templates {

// A block of cells of a form, written as a spreadsheet user would ("B3:D4", "F2") or by
// numbers (1-based) where a form repeats a block.
struct Area : celvane::CellRange
{
    Area(int column, int row)
        : CellRange{column, row, column, row}
    {
    }
    Area(int left, int top, int right, int bottom)
        : CellRange{left, top, right, bottom}
    {
    }
    Area(const char *address);

    Area shifted(int columns, int rows) const { return {left + columns, top + rows, right + columns, bottom + rows}; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

}  // namespace templates
