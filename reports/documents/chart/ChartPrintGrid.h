#pragma once

#include "ChartGrid.h"

namespace sorvik::documents {

// Where a box of the chart stands on the engineer chart: its print page and row, both from
// 1, and its chart column; and the offsets of its block from the first block's markers.
struct PrintPlace
{
    int Page = 1;
    int Row = 1;
    int Column = 0;

    int X() const { return (Column - 1) * ColumnPitch; }
    int Y() const { return (Row - 1) * RowPitch; }

    static constexpr int ColumnPitch = 10;  // 8 columns of block, 2 of gap
    static constexpr int RowPitch = 18;     // 15 rows of block, 3 of gap
};

// The engineer chart's pages hold GROWS rows of blocks, the editor's pages ROWS rows of
// boxes: a box keeps its row counted over all pages and its column. Either count below 1
// in the configuration counts as 1.
class ChartPrintGrid
{
public:
    ChartPrintGrid(int chartRows, int printRows);

    PrintPlace Place(const StoredCell &stored) const;
    int PrintRows() const { return m_printRows; }
    // The sheet rows of one page: 58 for three rows of blocks, a block pitch more for each
    // further row.
    int PageLastRow() const { return 58 + (m_printRows - 3) * PrintPlace::RowPitch; }

private:
    int m_chartRows;
    int m_printRows;
};

}  // namespace sorvik::documents
