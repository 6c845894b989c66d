#pragma once

#include <QList>
#include <QPoint>

class IniFile;

// Where a chart version keeps a box: page and row on the page, both from 1, and the column
// from 0 (the prime contractor's column).
struct StoredCell
{
    int Page = 1;
    int Row = 1;
    int Column = 0;
    friend bool operator==(const StoredCell &, const StoredCell &) = default;
};

// The editor's grid: pages of PageRows rows (configuration ROWS), the prime contractor's
// column and COLS columns right of it, three pages at least. Cells are (column, row) with
// rows counted over all pages.
//
// A page size or a column count below 1 in the configuration would divide by zero or leave
// no column for subcontractors; both count as 1.
class ChartGrid
{
public:
    ChartGrid(int rows, int cols);
    static ChartGrid FromSettings(const IniFile &settings);

    int PageRows() const { return m_pageRows; }
    int ColCount() const { return m_colCount; }
    // Three pages, or as many whole pages as the lowest box `lowestRow` needs.
    int RowCount(int lowestRow = 0) const;

    StoredCell ToStored(QPoint cell) const;
    QPoint FromStored(const StoredCell &stored) const;

    // The cell of a box loaded from a saved version. Its saved cell, unless that cell is
    // outside the grid's subcontractor columns (the configuration shrank since): then the
    // cell the placing add gave it, `placed`. A saved cell that an earlier box of the chart
    // took (the page size changed since) gives way to the column's next free row, as the
    // placing add finds one: below the lowest box of the column.
    QPoint SavedCellOrFree(QPoint saved, QPoint placed, const QList<QPoint> &taken) const;

private:
    int m_pageRows;
    int m_colCount;
};
