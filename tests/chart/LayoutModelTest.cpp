#include <gtest/gtest.h>

#include "ChartTestSupport.h"

TEST(ChartLayoutModel, PropertiesRepaintOnlyWhenTheyChange)
{
    RecordingLayout layout;
    // A box takes nine tenths of the cell of its layout's defaults (80 x 30).
    TItemBase box(layout);
    EXPECT_EQ(QSize(box.Width(), box.Height()), QSize(72, 27));
    layout.SetBitmapSize(100, 100);
    layout.redraws = 0;
    layout.SetColWidth(80);
    layout.SetBackColor(ChartColor::ButtonFace());
    layout.SetLinkColor(ChartColor(0x0000FF));
    EXPECT_EQ(layout.redraws, 0);
    layout.SetColWidth(100);
    layout.SetBackColor(ChartColor(0x000080));
    EXPECT_EQ(layout.redraws, 2);
    EXPECT_EQ(PixelAt(layout.Bitmap(), 50, 50), QColor(0x000080));
    // Button face is kept as such, not as the RGB value it shows today.
    layout.SetFixedColor(ChartColor(layout.palette().color(QPalette::Button).rgb()));
    EXPECT_FALSE(layout.FixedColor().IsButtonFace());
    EXPECT_EQ(layout.redraws, 3);

    // Every position divides by the cell size, so sizes below 1 are refused.
    layout.SetColWidth(0);
    layout.SetRowHeight(-5);
    layout.SetFixedCols(-1);
    layout.SetRowCount(-1);
    EXPECT_EQ(layout.ColWidth(), 100);
    EXPECT_EQ(layout.RowHeight(), 30);
    EXPECT_EQ(layout.FixedCols(), 0);
    EXPECT_EQ(layout.RowCount(), 0);
    EXPECT_EQ(layout.redraws, 3);
}

TEST(ChartLayoutModel, BulkChangesPaintOnceAtTheEnd)
{
    RecordingLayout layout;
    ConfigureChartGrid(layout);
    const QImage before = layout.Bitmap();
    layout.BeginUpdate();
    EXPECT_FALSE(layout.PaintEnabled());
    TItemBase *root = AddBox(layout, nullptr);
    AddBox(layout, root);
    layout.Selection().Add(root);
    layout.SetBackColor(ChartColor(0x102030));
    EXPECT_EQ(layout.Bitmap(), before);
    layout.EndUpdate();
    EXPECT_TRUE(layout.PaintEnabled());
    EXPECT_NE(layout.Bitmap(), before);
    EXPECT_EQ(PixelAt(layout.Bitmap(), 400, 1000), QColor(0x102030));
    // The selection is shown again: red along the root's top edge.
    EXPECT_EQ(PixelAt(layout.Bitmap(), root->Left() + 10, root->Top()), QColor(Qt::red));
}

TEST(ChartLayoutModel, ItemAtExcludesEdgesAndPrefersTheTopmostBox)
{
    TLayoutBase layout;
    auto first = std::make_unique<TItemBase>(layout);
    auto second = std::make_unique<TItemBase>(layout);
    TItemBase *lower = first.get();
    TItemBase *upper = second.get();
    layout.Items().Add(nullptr, std::move(first));
    layout.Items().Add(nullptr, std::move(second));
    lower->SetPosition(10, 10);  // 72 x 27
    upper->SetPosition(50, 20);
    EXPECT_EQ(layout.ItemAt(10, 20), nullptr);
    EXPECT_EQ(layout.ItemAt(30, 10), nullptr);
    EXPECT_EQ(layout.ItemAt(30, 37), nullptr);
    EXPECT_EQ(layout.ItemAt(11, 11), lower);
    EXPECT_EQ(layout.ItemAt(60, 30), upper);
    EXPECT_EQ(layout.ItemAt(60, 20), lower);
    EXPECT_EQ(layout.ItemAt(82, 30), upper);
    EXPECT_EQ(layout.ItemAt(122, 30), nullptr);
}

TEST(ChartLayoutModel, SelectInRectIncludesCornersOnTheBand)
{
    TLayoutBase layout;
    ConfigureChartGrid(layout);
    TItemBase *root = AddBox(layout, nullptr);  // (6,6)-(123,123)
    TItemBase *child = AddBox(layout, root);    // (136,6)-(253,123)
    TItemBase *sibling = AddBox(layout, root);  // (136,136)-(253,253)
    layout.SelectInRect(253, 253, 136, 6);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{child, sibling}));
    layout.SelectInRect(136, 6, 253, 252);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{child}));
    layout.SelectInRect(0, 0, 300, 300);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{root, child, sibling}));
    layout.SelectInRect(7, 6, 300, 300);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{child, sibling}));
}

TEST(ChartLayoutModel, NextFreeRowDoesNotReuseGaps)
{
    TLayoutBase layout;
    ConfigureChartGrid(layout);
    EXPECT_EQ(layout.NextFreeRow(2), 0);
    TItemBase *a = AddBox(layout, nullptr);
    TItemBase *b = AddBox(layout, nullptr);
    a->SetColumn(2);
    a->SetRow(0);
    b->SetColumn(2);
    b->SetRow(3);
    EXPECT_EQ(layout.NextFreeRow(2), 4);
    EXPECT_EQ(layout.NextFreeRow(3), 0);
    EXPECT_EQ(layout.NextFreeRow(0), 0);
}

TEST(ChartLayoutModel, GhostsMustStayInsideTheBitmapAndOutOfTheFixedBand)
{
    TLayoutBase layout;
    ConfigureChartGrid(layout);  // 650 x 1560, band up to x = 130
    TItemBase *box = AddBox(layout, nullptr);
    box->SetDragPos(130, 0);
    EXPECT_FALSE(layout.IsOutOfBounds(layout.Items()));
    box->SetDragPos(650 - 117, 1560 - 117);
    EXPECT_FALSE(layout.IsOutOfBounds(layout.Items()));
    box->SetDragPos(129, 10);
    EXPECT_TRUE(layout.IsOutOfBounds(layout.Items()));
    box->SetDragPos(650 - 116, 10);
    EXPECT_TRUE(layout.IsOutOfBounds(layout.Items()));
    box->SetDragPos(200, -1);
    EXPECT_TRUE(layout.IsOutOfBounds(layout.Items()));
    box->SetDragPos(200, 1560 - 116);
    EXPECT_TRUE(layout.IsOutOfBounds(layout.Items()));
}

TEST(ChartLayoutPlacing, TreeFillsColumnsFromTheTop)
{
    TLayoutBase layout;
    ConfigureChartGrid(layout);
    TItemBase *root = AddBox(layout, nullptr);
    EXPECT_EQ(root->Left(), 6);  // centred: 6-pixel margin in a 130-pixel cell
    EXPECT_EQ(root->Top(), 6);
    TItemBase *a = AddBox(layout, root);
    TItemBase *a1 = AddBox(layout, a);
    TItemBase *a2 = AddBox(layout, a);
    TItemBase *b = AddBox(layout, root);
    TItemBase *b1 = AddBox(layout, b);
    auto cell = [](const TItemBase *box) { return QPoint(box->Column(), box->Row()); };
    EXPECT_EQ(cell(root), QPoint(0, 0));
    // The first child shares its parent's row when that row is free in the next column...
    EXPECT_EQ(cell(a), QPoint(1, 0));
    EXPECT_EQ(cell(a1), QPoint(2, 0));
    // ...later siblings stack below.
    EXPECT_EQ(cell(a2), QPoint(2, 1));
    EXPECT_EQ(cell(b), QPoint(1, 1));
    EXPECT_EQ(cell(b1), QPoint(2, 2));
    EXPECT_EQ(b1->ParentItem(), b);
    EXPECT_EQ(a->Left(), 136);
    EXPECT_EQ(a2->Top(), 136);
}

TEST(ChartLayoutPlacing, ChildOfTheLastColumnWrapsToColumnOne)
{
    TLayoutBase layout;
    ConfigureChartGrid(layout);  // columns 0..4
    TItemBase *box = AddBox(layout, nullptr);
    for (int level = 1; level <= 4; ++level)
        box = AddBox(layout, box);
    EXPECT_EQ(box->Column(), 4);
    TItemBase *wrapped = AddBox(layout, box);
    EXPECT_EQ(wrapped->Column(), 1);
    EXPECT_EQ(wrapped->Row(), 1);
    EXPECT_EQ(wrapped->ParentItem(), box);
}

TEST(ChartLayoutNodes, DeleteDetachesChildrenAndForgetsTheBox)
{
    TLayoutBase layout;
    ConfigureChartGrid(layout);
    int freed = 0;
    TItemBase *root = AddBox(layout, nullptr);
    const int index = layout.Items().Add(root, std::make_unique<CountedItem>(layout, &freed));
    TItemBase *parent = layout.Items()[index];
    TItemBase *child = AddBox(layout, parent);
    layout.Selection().Add(child);

    EXPECT_TRUE(layout.Items().Delete(parent));
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(layout.Items().List(), (QList<TItemBase *>{root, child}));
    EXPECT_EQ(child->ParentItem(), nullptr);
    EXPECT_EQ(layout.Selection().Count(), 0);

    TLayoutBase other;
    TItemBase foreign(other);
    EXPECT_FALSE(layout.Items().Delete(&foreign));
    EXPECT_EQ(layout.Items().Count(), 2);
}

TEST(ChartLayoutNodes, ItemsOwnTheirBoxesAndTheSelectionOwnsNone)
{
    int freed = 0;
    {
        TLayoutBase layout;
        ConfigureChartGrid(layout);
        for (int i = 0; i < 3; ++i)
            layout.Items().Add(nullptr, std::make_unique<CountedItem>(layout, &freed));
        layout.SelectInRect(0, 0, 650, 1560);
        EXPECT_EQ(layout.Selection().Count(), 3);
        layout.Selection().Clear();
        EXPECT_EQ(freed, 0);
        layout.Selection().Add(layout.Items()[1]);
        layout.Selection().Add(layout.Items()[1]);
        EXPECT_EQ(layout.Selection().Count(), 1);
        layout.Items().Clear();
        EXPECT_EQ(freed, 3);
        EXPECT_EQ(layout.Selection().Count(), 0);
        layout.Items().Add(nullptr, std::make_unique<CountedItem>(layout, &freed));
    }
    EXPECT_EQ(freed, 4);
}
