#include "InkedCells.h"

#include <QHash>
#include <algorithm>

namespace celvane {

namespace {
bool hasLine(const Border &border)
{
    return border.left.style != LineStyle::None || border.right.style != LineStyle::None
        || border.top.style != LineStyle::None || border.bottom.style != LineStyle::None
        || (border.diagonal.style != LineStyle::None && (border.diagonalUp || border.diagonalDown));
}
}  // namespace

InkedCells::InkedCells(const Worksheet &sheet, const StyleSheet &styles, const SheetGeometry &geometry)
    : m_sheet(sheet)
    , m_geometry(geometry)
{
    m_visibleFormat.reserve(styles.cellFormats.size());
    for (size_t i = 0; i < styles.cellFormats.size(); ++i) {
        const QString &pattern = styles.fillOf(int(i)).patternType;
        m_visibleFormat.push_back((!pattern.isEmpty() && pattern != QLatin1String("none"))
                                  || hasLine(styles.borderOf(int(i))));
    }
}

bool InkedCells::isInked(const Cell &cell) const
{
    if (cell.type != Cell::Type::Empty && !(cell.isText() && cell.text.isEmpty()))
        return true;
    return cell.style >= 0 && cell.style < int(m_visibleFormat.size()) && m_visibleFormat[cell.style];
}

CellRange InkedCells::cellsOf(const DrawingObject &object) const
{
    const QRectF rect = m_geometry.objectRect(1, 1, object).normalized();
    const auto column = [this](double x) {
        int c = 1;
        for (int step = 1 << 14; step > 0; step >>= 1)
            if (c + step <= 16384 && m_geometry.columnLeft(c + step) <= x)
                c += step;
        return c;
    };
    const auto row = [this](double y) {
        int r = 1;
        for (int step = 1 << 20; step > 0; step >>= 1)
            if (r + step <= 1048576 && m_geometry.rowTop(r + step) <= y)
                r += step;
        return r;
    };
    // An edge that lies on a cell boundary does not reach into the next cell.
    const double inside = 0.01;
    return {column(rect.left()), row(rect.top()), column(std::max(rect.left(), rect.right() - inside)),
            row(std::max(rect.top(), rect.bottom() - inside))};
}

void InkedCells::visit(const std::function<void(const CellRange &)> &inked) const
{
    QHash<quint64, const CellRange *> blocks;
    for (const CellRange &merge : m_sheet.merges)
        blocks.insert((quint64(merge.top) << 16) | quint64(merge.left), &merge);
    for (const auto &[number, row] : m_sheet.rows)
        for (const auto &[column, cell] : row.cells) {
            if (!isInked(cell))
                continue;
            const CellRange *block = blocks.value((quint64(number) << 16) | quint64(column));
            inked(block ? *block : CellRange{column, number, column, number});
        }
    for (const DrawingObject &object : m_sheet.drawings)
        inked(cellsOf(object));
}

std::optional<CellRange> InkedCells::extent() const
{
    std::optional<CellRange> extent;
    visit([&extent](const CellRange &range) {
        if (!extent)
            extent = CellRange{1, 1, range.right, range.bottom};
        extent->right = std::max(extent->right, range.right);
        extent->bottom = std::max(extent->bottom, range.bottom);
    });
    return extent;
}

}  // namespace celvane
