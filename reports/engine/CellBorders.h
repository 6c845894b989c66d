#pragma once

#include "StyleSheet.h"
#include "Worksheet.h"

namespace celvane {

// Puts lines on cell edges. A merged cell's edge is the edge of the whole merge.
class CellBorders
{
public:
    enum class Edge { Top, Bottom, Left, Right, Diagonal };

    // An engine line value: BIFF8 line style × 0x1000000 + colour index; 0 removes the line.
    static BorderLine decode(qint64 lineValue);
    static qint64 encode(const BorderLine &line);

    CellBorders(Worksheet &sheet, StyleSheet &styles)
        : m_sheet(sheet)
        , m_styles(styles)
    {
    }

    void set(int column, int row, Edge edge, const BorderLine &line);
    // The outline of a block; with keepExisting an edge that already has a line keeps it.
    void frame(const CellRange &block, const BorderLine &line, bool keepExisting);

private:
    void setOne(int column, int row, Edge edge, const BorderLine &line, bool keepExisting);

    Worksheet &m_sheet;
    StyleSheet &m_styles;
};

}  // namespace celvane
