#pragma once

#include "MergeIndex.h"
#include "PrintedPage.h"
#include "SheetGeometry.h"
#include "Worksheet.h"

#include <QHash>
#include <QRectF>
#include <optional>
#include <vector>

namespace celvane {

// Where the cells of one printed page lie, in points from the page's first cell, and which
// merged blocks reach into the page, including those that began on an earlier page.
class PageFrame
{
public:
    PageFrame(const Worksheet &sheet, const SheetGeometry &geometry, const MergeIndex &merges, const PrintedPage &page,
              double dpi);

    const Worksheet &sheet;
    const SheetGeometry &geometry;
    const PrintedPage &page;
    const double dpi;

    double x(int column) const { return geometry.columnLeft(column) - m_left; }
    double y(int row) const { return geometry.rowTop(row) - m_top; }
    QRectF cellRect(int column, int row) const;
    QRectF rangeRect(const CellRange &range) const;
    QRectF content() const;  // the page's own cells
    const std::vector<CellRange> &merges() const { return m_merges; }
    const CellRange *mergeAt(int column, int row) const;
    // Where an object lies on the page; empty when it lies wholly elsewhere.
    std::optional<QRectF> objectRect(const DrawingObject &object) const;

private:
    double m_left;
    double m_top;
    std::vector<CellRange> m_merges;
    QHash<quint64, int> m_mergeOfCell;  // cells of the page inside a block, to the block
    std::vector<int> m_largeMerges;     // blocks too large to list cell by cell
};

}  // namespace celvane
