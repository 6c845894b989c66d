#include "ChartGrid.h"

#include "config/ConfigKeys.h"

#include <algorithm>

namespace {
constexpr int kShownPages = 3;
}

ChartGrid::ChartGrid(int rows, int cols)
    : m_pageRows(std::max(rows, 1))
    , m_colCount(std::max(cols, 1) + 1)
{
}

ChartGrid ChartGrid::FromSettings(const IniFile &settings)
{
    return ChartGrid(Config::read(settings, Config::ChartRows), Config::read(settings, Config::ChartCols));
}

int ChartGrid::RowCount(int lowestRow) const
{
    const int pages = std::max(kShownPages, lowestRow / m_pageRows + 1);
    return pages * m_pageRows;
}

StoredCell ChartGrid::ToStored(QPoint cell) const
{
    return {cell.y() / m_pageRows + 1, cell.y() % m_pageRows + 1, cell.x()};
}

QPoint ChartGrid::FromStored(const StoredCell &stored) const
{
    return {stored.Column, (stored.Page - 1) * m_pageRows + stored.Row - 1};
}

QPoint ChartGrid::SavedCellOrFree(QPoint saved, QPoint placed, const QList<QPoint> &taken) const
{
    if (saved.x() < 1 || saved.x() >= m_colCount || saved.y() < 0)
        return placed;
    if (!taken.contains(saved))
        return saved;
    int nextFree = 0;
    for (const QPoint &cell : taken)
        if (cell.x() == saved.x())
            nextFree = std::max(nextFree, cell.y() + 1);
    return {saved.x(), nextFree};
}
