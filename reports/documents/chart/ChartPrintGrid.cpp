#include "ChartPrintGrid.h"

#include <algorithm>

namespace sorvik::documents {

ChartPrintGrid::ChartPrintGrid(int chartRows, int printRows)
    : m_chartRows(std::max(chartRows, 1))
    , m_printRows(std::max(printRows, 1))
{
}

PrintPlace ChartPrintGrid::Place(const StoredCell &stored) const
{
    // A damaged row (page or row 0) stands on the first row rather than in the page head.
    const int row = std::max((stored.Page - 1) * m_chartRows + stored.Row - 1, 0);
    return {row / m_printRows + 1, row % m_printRows + 1, stored.Column};
}

}  // namespace sorvik::documents
