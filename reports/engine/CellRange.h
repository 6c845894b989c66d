#pragma once

#include <QString>

namespace celvane {

// A block of cells, 1-based and inclusive, as the engine and people count them.
struct CellRange
{
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;

    bool contains(int column, int row) const
    {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
    bool operator==(const CellRange &) const = default;

    static QString columnName(int column);
    static QString cellName(int column, int row) { return columnName(column) + QString::number(row); }
    // "B3" -> column 2, row 3; returns false for anything else.
    static bool parseCell(QStringView text, int &column, int &row);
    // "A1:C4", "$A$1:$C$4" or a single cell.
    static bool parse(QStringView text, CellRange &range);
    QString toString() const;
    QString toAbsoluteString() const;
};

}  // namespace celvane
