#include "MergeIndex.h"

#include <algorithm>

namespace celvane {

MergeIndex::MergeIndex(std::vector<CellRange> merges)
    : m_byTop(std::move(merges))
{
    std::sort(m_byTop.begin(), m_byTop.end(), [](const CellRange &a, const CellRange &b) { return a.top < b.top; });
    m_lowestBottom.reserve(m_byTop.size());
    int lowest = 0;
    for (const CellRange &merge : m_byTop)
        m_lowestBottom.push_back(lowest = std::max(lowest, merge.bottom));
}

std::vector<CellRange> MergeIndex::within(const CellRange &area) const
{
    std::vector<CellRange> found;
    // Blocks starting below the area cannot reach into it; walking up from there, the walk ends
    // where no earlier block reaches down to the area.
    auto end = std::upper_bound(m_byTop.begin(), m_byTop.end(), area.bottom,
                                [](int row, const CellRange &merge) { return row < merge.top; });
    for (auto i = end - m_byTop.begin(); i-- > 0 && m_lowestBottom[i] >= area.top;) {
        const CellRange &merge = m_byTop[i];
        if (merge.bottom >= area.top && merge.right >= area.left && merge.left <= area.right)
            found.push_back(merge);
    }
    return found;
}

}  // namespace celvane
