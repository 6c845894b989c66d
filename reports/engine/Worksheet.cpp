#include "Worksheet.h"

#include <algorithm>

namespace celvane {

const Cell *Worksheet::findCell(int column, int row) const
{
    const auto r = rows.find(row);
    if (r == rows.end())
        return nullptr;
    const auto c = r->second.cells.find(column);
    return c == r->second.cells.end() ? nullptr : &c->second;
}

Cell &Worksheet::cellAt(int column, int row)
{
    Row &target = rows[row];
    auto c = target.cells.find(column);
    if (c != target.cells.end())
        return c->second;
    Cell &created = target.cells[column];
    // A new cell takes the row's format, else the column's, as spreadsheet programs do.
    if (target.style >= 0)
        created.style = target.style;
    else if (const ColumnInfo *info = columnInfo(column); info && info->style >= 0)
        created.style = info->style;
    return created;
}

const CellRange *Worksheet::mergeAt(int column, int row) const
{
    for (const CellRange &merge : merges)
        if (merge.contains(column, row))
            return &merge;
    return nullptr;
}

const ColumnInfo *Worksheet::columnInfo(int column) const
{
    for (const ColumnInfo &info : columns)
        if (column >= info.first && column <= info.last)
            return &info;
    return nullptr;
}

bool Worksheet::isRowHidden(int row) const
{
    const auto r = rows.find(row);
    if (r == rows.end())
        return rowsHiddenByDefault;
    return r->second.hidden;
}

bool Worksheet::isColumnHidden(int column) const
{
    const ColumnInfo *info = columnInfo(column);
    return info && info->hidden;
}

double Worksheet::rowHeightPoints(int row) const
{
    const auto r = rows.find(row);
    if (r == rows.end())
        return rowsHiddenByDefault ? 0.0 : defaultRowHeight;
    if (r->second.hidden)
        return 0.0;
    return r->second.height > 0.0 ? r->second.height : defaultRowHeight;
}

int Worksheet::lastUsedRow() const
{
    int last = 0;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const Row &row = it->second;
        if (!row.cells.empty() || row.customHeight || row.hidden || row.style >= 0) {
            last = it->first;
            break;
        }
    }
    for (const CellRange &merge : merges)
        last = std::max(last, merge.bottom);
    for (const DrawingObject &object : drawings)
        last
            = std::max(last, object.anchor == DrawingObject::Anchor::TwoCell ? object.to.row + 1 : object.from.row + 1);
    return last;
}

int Worksheet::lastUsedColumn() const
{
    int last = 0;
    for (const auto &[number, row] : rows)
        if (!row.cells.empty())
            last = std::max(last, row.cells.rbegin()->first);
    for (const CellRange &merge : merges)
        last = std::max(last, merge.right);
    return last;
}

CellRange Worksheet::printedRange() const
{
    if (printArea)
        return *printArea;
    return {1, 1, std::max(1, lastUsedColumn()), std::max(1, lastUsedRow())};
}

}  // namespace celvane
