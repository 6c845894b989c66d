#include "chart/ChartConnector.h"
#include "chart/ChartLines.h"

#include <gtest/gtest.h>

using namespace sorvik::documents;
using Side = ConnectorEdge::Side;

namespace {

QList<ConnectorEdge> column(Side side, int x, int from, int to)
{
    QList<ConnectorEdge> edges;
    for (int y = from; y <= to; ++y)
        edges.append({side, x, y});
    return edges;
}

QList<ConnectorEdge> edges(const PrintPlace &child, const PrintPlace &parent)
{
    return ChartConnector(child, parent, 3).Edges();
}

TEST(ChartPrintGridTest, KeepsEachBoxsRowAcrossPagesOfAnotherSize)
{
    const ChartPrintGrid grid(4, 3);
    const PrintPlace fourth = grid.Place({1, 4, 2});
    EXPECT_EQ(fourth.Page, 2);
    EXPECT_EQ(fourth.Row, 1);
    EXPECT_EQ(fourth.X(), 10);
    EXPECT_EQ(fourth.Y(), 0);
    const PrintPlace second = grid.Place({2, 1, 1});
    EXPECT_EQ(second.Page, 2);
    EXPECT_EQ(second.Row, 2);
    EXPECT_EQ(second.Y(), 18);
    EXPECT_EQ(grid.PageLastRow(), 58);
    EXPECT_EQ(ChartPrintGrid(4, 4).PageLastRow(), 76);

    // Counts below 1 in the configuration, and a damaged stored row, divide by nothing.
    const ChartPrintGrid broken(0, -2);
    EXPECT_EQ(broken.PrintRows(), 1);
    EXPECT_EQ(broken.Place({3, 1, 1}).Page, 3);
    EXPECT_EQ(grid.Place({0, 0, 1}).Page, 1);
    EXPECT_EQ(grid.Place({0, 0, 1}).Row, 1);
}

TEST(ChartConnectorTest, NeighboursOnOneRowMeetInOneStraightLine)
{
    const ChartConnector g({1, 2, 3}, {1, 2, 2}, 3);
    EXPECT_EQ(g.Case(), ConnectorCase::G);
    EXPECT_EQ(g.Edges(), (QList<ConnectorEdge>{{Side::Top, 14, 25}, {Side::Top, 15, 25}}));
}

TEST(ChartConnectorTest, OnOneRowFurtherAwayTheLineGoesOverTheBlocksBetween)
{
    const ChartConnector f({1, 1, 4}, {1, 1, 1}, 3);
    EXPECT_EQ(f.Case(), ConnectorCase::F);
    QList<ConnectorEdge> expected{{Side::Top, 4, 7}};
    expected += column(Side::Right, 4, -1, 6);
    for (int x = 5; x <= 24; ++x)
        expected.append({Side::Top, x, -1});
    expected += column(Side::Left, 25, -1, 6);
    expected.append({Side::Top, 25, 7});
    EXPECT_EQ(f.Edges(), expected);
}

TEST(ChartConnectorTest, AChildAboveOrBelowTurnsInTheGapBesideItsParent)
{
    // Below, in the next column but one: down beside the parent, across, down to the child.
    const ChartConnector e({1, 3, 3}, {1, 1, 1}, 3);
    EXPECT_EQ(e.Case(), ConnectorCase::E);
    QList<ConnectorEdge> below{{Side::Top, 4, 7}};
    below += column(Side::Right, 4, 7, 15);
    for (int x = 5; x <= 14; ++x)
        below.append({Side::Top, x, 16});
    below += column(Side::Left, 15, 16, 42);
    below.append({Side::Top, 15, 43});
    EXPECT_EQ(e.Edges(), below);

    // Above, in the next column: up beside the parent into the gap above it, and up to the
    // child with no run across.
    const ChartConnector d({1, 1, 2}, {1, 3, 1}, 3);
    EXPECT_EQ(d.Case(), ConnectorCase::D);
    QList<ConnectorEdge> above{{Side::Top, 4, 43}};
    above += column(Side::Right, 4, 34, 42);
    above += column(Side::Left, 5, 7, 33);
    above.append({Side::Top, 5, 7});
    EXPECT_EQ(d.Edges(), above);
}

TEST(ChartConnectorTest, AChildInColumnOneUnderThePrimeStartsBesideThePrimesBox)
{
    // The prime contractor stands in column 0, row 1 of the child's page.
    const ChartConnector e({1, 3, 1}, {1, 1, 0}, 3);
    EXPECT_EQ(e.Case(), ConnectorCase::E);
    QList<ConnectorEdge> expected{{Side::Top, -6, 7}};
    expected += column(Side::Right, -6, 7, 15);
    expected += column(Side::Left, -5, 16, 42);
    expected.append({Side::Top, -5, 43});
    EXPECT_EQ(e.Edges(), expected);
}

TEST(ChartConnectorTest, AParentOnAnotherPageIsReachedFromAboveOrBelowThePagesBlocks)
{
    // The parent on an earlier page: the line comes in above the page's first row.
    const ChartConnector a({2, 2, 3}, {1, 1, 1}, 3);
    EXPECT_EQ(a.Case(), ConnectorCase::A);
    QList<ConnectorEdge> fromAbove;
    for (int x = 5; x <= 14; ++x)
        fromAbove.append({Side::Top, x, -2});
    fromAbove += column(Side::Left, 15, -2, 24);
    fromAbove.append({Side::Top, 15, 25});
    EXPECT_EQ(a.Edges(), fromAbove);

    // On a later page: below the page's last row of blocks (sheet row 57 of 58).
    const ChartConnector b({1, 2, 2}, {2, 1, 1}, 3);
    EXPECT_EQ(b.Case(), ConnectorCase::B);
    QList<ConnectorEdge> fromBelow = column(Side::Left, 5, 25, 51);
    fromBelow.append({Side::Top, 5, 25});
    EXPECT_EQ(b.Edges(), fromBelow);
}

TEST(ChartConnectorTest, OneColumnJoinsOnlyNeighboursAndNothingGoesLeft)
{
    EXPECT_EQ(edges({1, 2, 2}, {1, 1, 2}), column(Side::Left, 10, 15, 17));
    EXPECT_EQ(edges({1, 1, 2}, {1, 2, 2}), column(Side::Left, 10, 15, 17));
    const ChartConnector far({1, 3, 2}, {1, 1, 2}, 3);
    EXPECT_EQ(far.Case(), ConnectorCase::C);
    EXPECT_TRUE(far.Edges().isEmpty());

    const ChartConnector left({1, 1, 1}, {1, 1, 2}, 3);
    EXPECT_EQ(left.Case(), ConnectorCase::None);
    EXPECT_TRUE(left.Edges().isEmpty());
}

TEST(ChartLinesTest, BoxColoursAndFramesBecomeTheWorkbooksLines)
{
    EXPECT_EQ(ChartLines::ColourIndex({}, true), 8);
    EXPECT_EQ(ChartLines::ColourIndex(QStringLiteral("clRed"), false), 10);
    EXPECT_EQ(ChartLines::ColourIndex(QStringLiteral("clAqua"), false), 15);
    EXPECT_EQ(ChartLines::ColourIndex(QStringLiteral("clBtnFace"), false), 0);
    EXPECT_EQ(ChartLines::ColourIndex(QStringLiteral("clBlack"), false), 0);
    EXPECT_EQ(ChartLines::Line(*ChartLines::FrameStyle(3), 10), 0x600000A);
    EXPECT_EQ(ChartLines::FrameStyle(5), 8);
    EXPECT_FALSE(ChartLines::FrameStyle(0));
    EXPECT_FALSE(ChartLines::FrameStyle(9));
}

}  // namespace
