#include "ChartGrid.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ChartGridTest, TakesItsSizeFromTheSettingsAndNeverLessThanOneRowAndColumn)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("sorvik.ini")));
    const ChartGrid defaults = ChartGrid::FromSettings(ini);
    EXPECT_EQ(defaults.PageRows(), 4);
    EXPECT_EQ(defaults.ColCount(), 5);
    EXPECT_EQ(defaults.RowCount(), 12);

    Config::write(ini, Config::ChartRows, 0);
    Config::write(ini, Config::ChartCols, -3);
    const ChartGrid small = ChartGrid::FromSettings(ini);
    EXPECT_EQ(small.PageRows(), 1);
    EXPECT_EQ(small.ColCount(), 2);
    EXPECT_EQ(small.RowCount(), 3);
    EXPECT_EQ(small.ToStored({1, 2}), (StoredCell{3, 1, 1}));
}

TEST(ChartGridTest, StoresRowsByPageAndRowOfThePage)
{
    const ChartGrid grid(4, 4);
    EXPECT_EQ(grid.ToStored({2, 4}), (StoredCell{2, 1, 2}));
    EXPECT_EQ(grid.ToStored({1, 5}), (StoredCell{2, 2, 1}));
    EXPECT_EQ(grid.ToStored({0, 0}), (StoredCell{1, 1, 0}));
    EXPECT_EQ(grid.FromStored({2, 2, 1}), QPoint(1, 5));
    // Stored with six rows a page, read with four: the formula is kept.
    EXPECT_EQ(grid.FromStored({1, 6, 3}), QPoint(3, 5));
}

TEST(ChartGridTest, GrowsByWholePagesToHoldTheLowestBox)
{
    const ChartGrid grid(4, 4);
    EXPECT_EQ(grid.RowCount(11), 12);
    EXPECT_EQ(grid.RowCount(12), 16);
    EXPECT_EQ(grid.RowCount(17), 20);
}

TEST(ChartGridTest, ASavedCellThatIsTakenGivesWayToTheColumnsNextFreeRow)
{
    const ChartGrid grid(4, 4);
    const QList<QPoint> taken{{0, 0}, {1, 0}, {1, 3}, {2, 1}};
    const QPoint placed(2, 2);
    EXPECT_EQ(grid.SavedCellOrFree({1, 2}, placed, taken), QPoint(1, 2));
    EXPECT_EQ(grid.SavedCellOrFree({1, 0}, placed, taken), QPoint(1, 4));
    EXPECT_EQ(grid.SavedCellOrFree({2, 1}, placed, taken), QPoint(2, 2));
    // Columns the grid no longer has, the prime contractor's column and broken rows keep the
    // placing add's cell.
    EXPECT_EQ(grid.SavedCellOrFree({5, 0}, placed, taken), placed);
    EXPECT_EQ(grid.SavedCellOrFree({0, 3}, placed, taken), placed);
    EXPECT_EQ(grid.SavedCellOrFree({1, -4}, placed, taken), placed);
}

}  // namespace
