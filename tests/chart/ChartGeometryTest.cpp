#include <gtest/gtest.h>

#include <QSet>

#include "ChartGeometry.h"

using namespace ChartGeometry;

TEST(ChartGeometry, CellArithmeticTruncatesTowardZero)
{
    EXPECT_EQ(SnapToCell(-50, 130), 0);
    EXPECT_EQ(SnapToCell(-129, 130), 0);
    EXPECT_EQ(CellIndex(-1, 130), 0);
    EXPECT_EQ(SnapToCell(259, 130), 130);
    EXPECT_EQ(SnapToCell(260, 130), 260);
    // 130-pixel cells with 117-pixel boxes leave a 6-pixel margin.
    EXPECT_EQ(CentredInCell(2, 130, 117), 266);
    EXPECT_EQ(CentredInCell(0, 80, 72), 4);
}

TEST(ChartGeometry, StrictInsideAndInclusiveCorners)
{
    const QRect box(10, 20, 30, 40);  // corners (10,20) and (40,60)
    EXPECT_TRUE(StrictlyInside(box, 11, 21));
    EXPECT_TRUE(StrictlyInside(box, 39, 59));
    EXPECT_FALSE(StrictlyInside(box, 10, 30));
    EXPECT_FALSE(StrictlyInside(box, 40, 30));
    EXPECT_FALSE(StrictlyInside(box, 20, 20));
    EXPECT_FALSE(StrictlyInside(box, 20, 60));

    EXPECT_TRUE(CornersWithin(box, {10, 20}, {40, 60}));
    EXPECT_TRUE(CornersWithin(box, {40, 60}, {10, 20}));
    EXPECT_TRUE(CornersWithin(box, {40, 20}, {10, 60}));
    EXPECT_FALSE(CornersWithin(box, {11, 20}, {40, 60}));
    EXPECT_FALSE(CornersWithin(box, {10, 20}, {39, 60}));
    EXPECT_FALSE(CornersWithin(box, {10, 20}, {40, 59}));
}

TEST(ChartGeometry, LinkOnOneRowIsAnSCurve)
{
    // Parent in column 1, child in column 2 of one row, 130-pixel cells, 117-pixel boxes.
    const LinkEnd parent{QRect(136, 136, 117, 117), 1, 1};
    const LinkEnd child{QRect(266, 136, 117, 117), 2, 1};
    const LinkCurve curve = LinkControlPoints(parent, child, 130);
    // m = 26; the control points sit half of m above and below the mid-line (136 + 58).
    EXPECT_EQ(curve.p0, QPoint(253, 194));
    EXPECT_EQ(curve.p1, QPoint(279, 181));
    EXPECT_EQ(curve.p2, QPoint(240, 207));
    EXPECT_EQ(curve.p3, QPoint(265, 194));
}

TEST(ChartGeometry, LinkAcrossRowsKeepsControlPointsOnTheEndRows)
{
    const LinkEnd parent{QRect(136, 6, 117, 117), 1, 0};
    const LinkEnd child{QRect(266, 266, 117, 117), 2, 2};
    const LinkCurve curve = LinkControlPoints(parent, child, 130);
    EXPECT_EQ(curve.p0, QPoint(253, 64));
    EXPECT_EQ(curve.p1, QPoint(279, 64));
    EXPECT_EQ(curve.p2, QPoint(240, 324));
    EXPECT_EQ(curve.p3, QPoint(265, 324));
}

TEST(ChartGeometry, LinkToAWrappedChildSwingsWider)
{
    // Parent in the last column (4), child wrapped back to column 1: k = |4 - 1 + 1| + 1 = 5.
    const LinkEnd parent{QRect(526, 6, 117, 117), 4, 0};
    const LinkEnd child{QRect(136, 136, 117, 117), 1, 1};
    const LinkCurve curve = LinkControlPoints(parent, child, 130);
    EXPECT_EQ(curve.p1.x(), 643 + 130);
    EXPECT_EQ(curve.p2.x(), 136 - 130);
    // A child two columns to the right: k = 2.
    const LinkEnd farChild{QRect(396, 6, 117, 117), 3, 0};
    const LinkCurve farCurve = LinkControlPoints({QRect(136, 6, 117, 117), 1, 0}, farChild, 130);
    EXPECT_EQ(farCurve.p1, QPoint(253 + 52, 64 - 26));
    EXPECT_EQ(farCurve.p2, QPoint(396 - 52, 64 + 26));
}

TEST(ChartGeometry, LinesLeaveOutTheirEndPoint)
{
    EXPECT_EQ(LinePixels({5, 7}, {10, 7}), QRect(5, 7, 5, 1));
    EXPECT_EQ(LinePixels({10, 7}, {5, 7}), QRect(6, 7, 5, 1));
    EXPECT_EQ(LinePixels({3, 2}, {3, 6}), QRect(3, 2, 1, 4));
    EXPECT_EQ(LinePixels({3, 6}, {3, 2}), QRect(3, 3, 1, 4));
    EXPECT_TRUE(LinePixels({3, 3}, {3, 3}).isEmpty());
}

TEST(ChartGeometry, OutlineTouchesEveryPixelOnce)
{
    for (const QRect &rect : {QRect(0, 0, 117, 117), QRect(4, 5, 1, 1), QRect(4, 5, 1, 6), QRect(4, 5, 6, 1),
                              QRect(4, 5, 2, 2), QRect(4, 5, 3, 3)}) {
        QSet<std::pair<int, int>> seen;
        int touched = 0;
        for (const QRect &strip : OutlineStrips(rect))
            for (int y = strip.top(); y <= strip.bottom(); ++y)
                for (int x = strip.left(); x <= strip.right(); ++x) {
                    ++touched;
                    seen.insert({x, y});
                    const bool onEdge = x == rect.left() || x == rect.right() || y == rect.top() || y == rect.bottom();
                    EXPECT_TRUE(rect.contains(x, y) && onEdge) << x << "," << y;
                }
        EXPECT_EQ(touched, seen.size()) << "overlap in " << rect.width() << "x" << rect.height();
        const int inner = std::max(0, rect.width() - 2) * std::max(0, rect.height() - 2);
        EXPECT_EQ(touched, rect.width() * rect.height() - inner);
    }
    EXPECT_TRUE(OutlineStrips(QRect(4, 5, 0, 8)).isEmpty());
}

TEST(ChartGeometry, PageLinesAndPlacingColumns)
{
    EXPECT_EQ(PageLineRows(12, 4), (QList<int>{4, 8, 12}));
    // The last page line may fall below the last row.
    EXPECT_EQ(PageLineRows(10, 4), (QList<int>{4, 8, 12}));
    EXPECT_TRUE(PageLineRows(0, 4).isEmpty());
    // Without a usable page size the grid is one page instead of an endless loop.
    EXPECT_EQ(PageLineRows(12, 0), (QList<int>{12}));
    EXPECT_EQ(PageLineRows(12, -3), (QList<int>{12}));

    EXPECT_EQ(PlacingColumn(false, 3, 5), 0);
    EXPECT_EQ(PlacingColumn(true, 0, 5), 1);
    EXPECT_EQ(PlacingColumn(true, 3, 5), 4);
    EXPECT_EQ(PlacingColumn(true, 4, 5), 1);
}
