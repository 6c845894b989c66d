#include "PageFrame.h"

#include <algorithm>

namespace celvane {

namespace {
constexpr qint64 kLargestListedBlock = 100000;  // cells

quint64 key(int column, int row)
{
    return (quint64(quint32(row)) << 16) | quint32(column);
}
}  // namespace

PageFrame::PageFrame(const Worksheet &sheet, const SheetGeometry &geometry, const MergeIndex &merges,
                     const PrintedPage &page, double dpi)
    : sheet(sheet)
    , geometry(geometry)
    , page(page)
    , dpi(dpi)
    , m_left(geometry.columnLeft(page.firstColumn))
    , m_top(geometry.rowTop(page.firstRow))
    , m_merges(merges.within({page.firstColumn, page.firstRow, page.lastColumn, page.lastRow}))
{
    for (size_t i = 0; i < m_merges.size(); ++i) {
        const CellRange &m = m_merges[i];
        const int left = std::max(m.left, page.firstColumn - 1), right = std::min(m.right, page.lastColumn + 1);
        const int top = std::max(m.top, page.firstRow - 1), bottom = std::min(m.bottom, page.lastRow + 1);
        if (qint64(right - left + 1) * (bottom - top + 1) > kLargestListedBlock) {
            m_largeMerges.push_back(int(i));
            continue;
        }
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                m_mergeOfCell.insert(key(c, r), int(i));
    }
}

const CellRange *PageFrame::mergeAt(int column, int row) const
{
    const auto found = m_mergeOfCell.constFind(key(column, row));
    if (found != m_mergeOfCell.constEnd())
        return &m_merges[found.value()];
    for (int i : m_largeMerges)
        if (m_merges[i].contains(column, row))
            return &m_merges[i];
    return nullptr;
}

QRectF PageFrame::cellRect(int column, int row) const
{
    return QRectF(QPointF(x(column), y(row)), QPointF(x(column + 1), y(row + 1)));
}

QRectF PageFrame::rangeRect(const CellRange &range) const
{
    return QRectF(QPointF(x(range.left), y(range.top)), QPointF(x(range.right + 1), y(range.bottom + 1)));
}

QRectF PageFrame::content() const
{
    return QRectF(QPointF(0, 0), QPointF(x(page.lastColumn + 1), y(page.lastRow + 1)));
}

std::optional<QRectF> PageFrame::objectRect(const DrawingObject &object) const
{
    const QRectF rect = geometry.objectRect(page.firstColumn, page.firstRow, object).normalized();
    const QRectF area = content();
    // Lines have no area; they count when they touch the page.
    const bool touches = rect.right() >= area.left() && rect.left() <= area.right() && rect.bottom() >= area.top()
        && rect.top() <= area.bottom();
    if (!touches)
        return std::nullopt;
    return rect;
}

}  // namespace celvane
