#pragma once

#include "CellRange.h"

#include <vector>

namespace celvane {

// The merged blocks of a sheet, found by the rows and columns they reach into without
// looking at every block of the sheet for every page.
class MergeIndex
{
public:
    explicit MergeIndex(std::vector<CellRange> merges);
    // The blocks that share at least one cell with the area.
    std::vector<CellRange> within(const CellRange &area) const;

private:
    std::vector<CellRange> m_byTop;   // sorted by their top row
    std::vector<int> m_lowestBottom;  // [i]: the lowest bottom row among the first i + 1 blocks
};

}  // namespace celvane
