#include "ChartSubtree.h"

#include <gtest/gtest.h>

namespace {

// 0 ─ 1 ─ 2 ─ 3
//   │   └ 4
//   └ 5 ─ 6
const QList<int> kTree{-1, 0, 1, 2, 1, 0, 5};

TEST(ChartSubtreeTest, ABoxTakesEverythingBelowItDepthFirst)
{
    EXPECT_EQ(SubtreeClosure(kTree, {1}), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(SubtreeClosure(kTree, {0}), (QList<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(SubtreeClosure(kTree, {3}), (QList<int>{3}));
    EXPECT_TRUE(SubtreeClosure(kTree, {}).isEmpty());
}

TEST(ChartSubtreeTest, SelectedBoxesComeFirstAndEachBoxOnce)
{
    EXPECT_EQ(SubtreeClosure(kTree, {6, 2, 1}), (QList<int>{6, 2, 1, 3, 4}));
    EXPECT_EQ(SubtreeClosure(kTree, {5, 5}), (QList<int>{5, 6}));
}

}  // namespace
