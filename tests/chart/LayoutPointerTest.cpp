#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include "ChartTestSupport.h"

namespace {

// The organisation chart's grid with a small tree:
//   root (0,0) ─ a (1,0) ─ a1 (2,0)
//              ├ b (1,1)
//              └ c (1,2)
class ChartPointer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ConfigureChartGrid(layout);
        root = AddBox(layout, nullptr, QStringLiteral("root"));
        a = AddBox(layout, root, QStringLiteral("a"));
        a1 = AddBox(layout, a, QStringLiteral("a1"));
        b = AddBox(layout, root, QStringLiteral("b"));
        c = AddBox(layout, root, QStringLiteral("c"));
        ShowLayout(layout);
    }

    void Press(QPoint at, Qt::KeyboardModifiers shift = {}) { QTest::mousePress(&layout, Qt::LeftButton, shift, at); }
    void Release(QPoint at, Qt::KeyboardModifiers shift = {})
    {
        QTest::mouseRelease(&layout, Qt::LeftButton, shift, at);
    }
    void ShiftClick(const TItemBase *box)
    {
        Press(CentreOf(box), Qt::ShiftModifier);
        Release(CentreOf(box), Qt::ShiftModifier);
    }
    // Press, two moves on the way and release, as a hand would drag.
    void Drag(QPoint from, QPoint to)
    {
        Press(from);
        QTest::mouseMove(&layout, from + (to - from) / 2);
        QTest::mouseMove(&layout, to);
        Release(to);
    }
    static QPoint Cell(const TItemBase *box) { return {box->Column(), box->Row()}; }

    RecordingLayout layout;
    TItemBase *root = nullptr;
    TItemBase *a = nullptr;
    TItemBase *a1 = nullptr;
    TItemBase *b = nullptr;
    TItemBase *c = nullptr;
};

const QColor kNavy(0x000080);
const QColor kNavyXorGrey(0x808000);
const QColor kWhiteXorGrey(0x7F7F7F);

}  // namespace

TEST_F(ChartPointer, DraggingOneOfSeveralSelectedBoxesMovesThemAllByWholeCells)
{
    ShiftClick(a);
    ShiftClick(b);
    ASSERT_EQ(layout.Selection().List(), (QList<TItemBase *>{a, b}));
    // Grab a near its top-left corner and release two rows lower and one column right, the
    // pointer somewhere else inside the target cell.
    const QPoint grab = a->BoxRect().topLeft() + QPoint(10, 10);
    Press(grab);
    EXPECT_EQ(layout.MouseState(), TMouseState::Moving);
    EXPECT_EQ(layout.Selection().Count(), 2);
    QTest::mouseMove(&layout, grab + QPoint(60, 100));
    QTest::mouseMove(&layout, QPoint(2 * 130 + 100, 2 * 130 + 20));
    Release(QPoint(2 * 130 + 100, 2 * 130 + 20));
    EXPECT_EQ(Cell(a), QPoint(2, 2));
    EXPECT_EQ(Cell(b), QPoint(2, 3));
    EXPECT_EQ(a->Left(), 266);  // still centred in its cell
    EXPECT_EQ(a->Top(), 266);
    EXPECT_EQ(Cell(c), QPoint(1, 2));
    EXPECT_EQ(Cell(a1), QPoint(2, 0));
    EXPECT_EQ(layout.MouseState(), TMouseState::Idle);
    EXPECT_EQ(PixelAt(layout.Bitmap(), a->Left() + 50, a->Top()), QColor(Qt::red));
}

TEST_F(ChartPointer, PressingAnUnselectedBoxReplacesTheSelection)
{
    layout.SelectInRect(130, 0, 260, 260);
    ASSERT_EQ(layout.Selection().List(), (QList<TItemBase *>{a, b}));
    Press(CentreOf(c));
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{c}));
    EXPECT_EQ(layout.CurrentItem(), c);
    Release(CentreOf(c));
    EXPECT_EQ(Cell(c), QPoint(1, 2));
}

TEST_F(ChartPointer, DropsThatWouldLeaveTheGridMoveNothing)
{
    ShiftClick(a);
    ShiftClick(a1);
    const QPoint start = CentreOf(a);
    // a1 would cross the right edge.
    Drag(start, start + QPoint(3 * 130, 0));
    EXPECT_EQ(Cell(a), QPoint(1, 0));
    EXPECT_EQ(Cell(a1), QPoint(2, 0));
    // a would enter the fixed band.
    Drag(start, start - QPoint(130, 0));
    EXPECT_EQ(Cell(a), QPoint(1, 0));
    EXPECT_EQ(Cell(a1), QPoint(2, 0));
    // Below the last row.
    Drag(start, start + QPoint(0, 12 * 130));
    EXPECT_EQ(Cell(a), QPoint(1, 0));
    // The refused drop shows the diagram unchanged, with its selection.
    EXPECT_EQ(PixelAt(layout.Bitmap(), a->Left() + 50, a->Top()), QColor(Qt::red));
    EXPECT_EQ(PixelAt(layout.Bitmap(), 400, 700), kNavy);
}

TEST_F(ChartPointer, ASelectionHoldingABoxOfTheFixedBandNeverMoves)
{
    ShiftClick(root);
    ShiftClick(c);
    Drag(CentreOf(c), CentreOf(c) + QPoint(130, 130));
    EXPECT_EQ(Cell(root), QPoint(0, 0));
    EXPECT_EQ(Cell(c), QPoint(1, 2));
}

TEST_F(ChartPointer, AReleaseLeftOfOrAboveTheControlSnapsToCellZero)
{
    layout.SetFixedCols(0);
    Drag(CentreOf(b), QPoint(-40, -40));
    EXPECT_EQ(Cell(b), QPoint(0, 0));
    EXPECT_EQ(b->Left(), 6);
    EXPECT_EQ(b->Top(), 6);
}

TEST_F(ChartPointer, AReleaseAwayFromTheLastMoveIsJudgedWhereItHappens)
{
    ShiftClick(a1);
    Press(CentreOf(a1));
    QTest::mouseMove(&layout, CentreOf(a1) + QPoint(130, 0));
    // Released two columns further without a move there: column 5 does not exist.
    Release(CentreOf(a1) + QPoint(3 * 130, 0));
    EXPECT_EQ(Cell(a1), QPoint(2, 0));
}

TEST_F(ChartPointer, ShiftPressTogglesTheBoxAndStartsNoDrag)
{
    Press(CentreOf(b), Qt::ShiftModifier);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{b}));
    EXPECT_EQ(layout.MouseState(), TMouseState::Idle);
    // Picked up: the exclusive-or outline on b's white top edge.
    EXPECT_EQ(PixelAt(layout.Bitmap(), b->Left() + 50, b->Top()), kWhiteXorGrey);
    QTest::mouseMove(&layout, CentreOf(b) + QPoint(130, 0));
    Release(CentreOf(b) + QPoint(130, 0), Qt::ShiftModifier);
    EXPECT_EQ(Cell(b), QPoint(1, 1));
    ShiftClick(c);
    ShiftClick(b);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{c}));
}

TEST_F(ChartPointer, GhostsFollowThePointerByWholeCellsAndEraseWithoutATrace)
{
    const QPoint grab = CentreOf(a);
    Press(grab);
    const QImage pickedUp = layout.Bitmap().copy();
    EXPECT_EQ(PixelAt(pickedUp, a->Left() + 50, a->Top()), kWhiteXorGrey);

    QTest::mouseMove(&layout, grab + QPoint(0, 3 * 130));
    const QImage &bitmap = layout.Bitmap();
    EXPECT_EQ(a->DragLeft(), a->Left());
    EXPECT_EQ(a->DragTop(), a->Top() + 3 * 130);
    EXPECT_EQ(PixelAt(bitmap, a->DragLeft(), a->DragTop()), kNavyXorGrey);
    EXPECT_EQ(PixelAt(bitmap, a->DragLeft() + 116, a->DragTop() + 116), kNavyXorGrey);
    EXPECT_EQ(PixelAt(bitmap, a->DragLeft() + 117, a->DragTop() + 117), kNavy);
    EXPECT_EQ(PixelAt(bitmap, a->DragLeft() + 50, a->DragTop() + 50), kNavy);
    EXPECT_EQ(PixelAt(bitmap, a->Left() + 50, a->Top()), QColor(Qt::white));

    // A move inside the same cell changes nothing; back in the first cell the picture is the
    // one right after the press.
    QTest::mouseMove(&layout, grab + QPoint(20, 3 * 130 + 30));
    QTest::mouseMove(&layout, grab + QPoint(0, 1));
    EXPECT_EQ(layout.Bitmap(), pickedUp);
    Release(grab + QPoint(0, 1));
    EXPECT_EQ(Cell(a), QPoint(1, 0));
}

TEST_F(ChartPointer, RubberBandSelectsWholeBoxesAndLeavesNoTrace)
{
    const QPoint down(270, 270);  // empty cell (2,2)
    Press(down);
    EXPECT_EQ(layout.MouseState(), TMouseState::Banding);
    EXPECT_EQ(layout.Selection().Count(), 0);
    const QImage atPress = layout.Bitmap().copy();

    QTest::mouseMove(&layout, QPoint(300, 300));
    EXPECT_EQ(PixelAt(layout.Bitmap(), 280, 270), kNavyXorGrey);
    QTest::mouseMove(&layout, QPoint(130, 3));
    EXPECT_EQ(PixelAt(layout.Bitmap(), 280, 270), kNavy);
    EXPECT_EQ(PixelAt(layout.Bitmap(), 200, 3), kNavyXorGrey);
    EXPECT_EQ(PixelAt(layout.Bitmap(), 130, 200), kNavyXorGrey);
    EXPECT_EQ(PixelAt(layout.Bitmap(), 269, 200), kNavyXorGrey);
    EXPECT_EQ(PixelAt(layout.Bitmap(), 270, 200), kNavy);
    QTest::mouseMove(&layout, down + QPoint(0, 1));
    QTest::mouseMove(&layout, down);
    EXPECT_EQ(layout.Bitmap(), atPress);
    QTest::mouseMove(&layout, QPoint(130, 3));
    Release(QPoint(130, 3));

    EXPECT_EQ(layout.MouseState(), TMouseState::Idle);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{a, b}));
    const QImage afterRelease = layout.Bitmap().copy();
    layout.Redraw();
    layout.DrawSelection();
    EXPECT_EQ(layout.Bitmap(), afterRelease);
}

TEST_F(ChartPointer, RightPressOffersTheItemMenuOnlyOverABox)
{
    QMenu menu;
    menu.addAction(QStringLiteral("delete"));
    layout.SetItemMenu(&menu);
    QWindow *window = layout.windowHandle();

    QTest::mousePress(window, Qt::RightButton, {}, QPoint(400, 700));
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(400, 700));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(layout.CurrentItem(), nullptr);

    QTest::mousePress(window, Qt::RightButton, {}, CentreOf(b));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(TLayoutBase::MenuItem(&menu), b);
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{b}));
    EXPECT_EQ(layout.MouseState(), TMouseState::Idle);
    menu.hide();
    QTest::mouseRelease(window, Qt::RightButton, {}, CentreOf(b));

    // A right press on empty space after one on a box: still no menu.
    QTest::mousePress(window, Qt::RightButton, {}, QPoint(400, 700));
    EXPECT_FALSE(menu.isVisible());
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(400, 700));

    // The menu never names a box that is gone.
    layout.Items().Delete(b);
    EXPECT_EQ(TLayoutBase::MenuItem(&menu), nullptr);

    // Nor does the layout keep a menu that is gone.
    {
        QMenu shortLived;
        layout.SetItemMenu(&shortLived);
    }
    EXPECT_EQ(layout.ItemMenu(), nullptr);
    QTest::mousePress(window, Qt::RightButton, {}, CentreOf(c));
    QTest::mouseRelease(window, Qt::RightButton, {}, CentreOf(c));
    EXPECT_EQ(layout.CurrentItem(), c);
}

TEST_F(ChartPointer, TheMenuTakesTheReleaseAndTheNextPressStillCounts)
{
    QMenu menu;
    menu.addAction(QStringLiteral("delete"));
    layout.SetItemMenu(&menu);
    QTest::mousePress(layout.windowHandle(), Qt::RightButton, {}, CentreOf(b));
    ASSERT_TRUE(menu.isVisible());
    QTest::mouseRelease(&menu, Qt::RightButton, {}, QPoint(5, 5));
    menu.hide();
    Press(CentreOf(c));
    EXPECT_EQ(layout.Selection().List(), (QList<TItemBase *>{c}));
    EXPECT_EQ(layout.MouseState(), TMouseState::Moving);
    Release(CentreOf(c));
}

TEST_F(ChartPointer, ClicksAndDoubleClicksReachTheHooks)
{
    QTest::mouseClick(&layout, Qt::LeftButton, {}, CentreOf(a1));
    EXPECT_EQ(layout.clicked, (QList<TItemBase *>{a1}));
    EXPECT_EQ(Cell(a1), QPoint(2, 0));
    QTest::mouseDClick(&layout, Qt::LeftButton, {}, CentreOf(a1));
    Release(CentreOf(a1));
    EXPECT_EQ(layout.doubleClicked, (QList<TItemBase *>{a1}));
    EXPECT_EQ(layout.clicked.size(), 1);
    QTest::mouseClick(&layout, Qt::LeftButton, {}, QPoint(400, 700));
    EXPECT_EQ(layout.clicked.size(), 1);
}

TEST_F(ChartPointer, ASecondButtonDuringADragIsIgnored)
{
    const QPoint grab = CentreOf(c);
    Press(grab);
    QTest::mouseMove(&layout, grab + QPoint(130, 0));
    QTest::mousePress(&layout, Qt::RightButton, {}, grab + QPoint(130, 0));
    QTest::mouseRelease(&layout, Qt::RightButton, {}, grab + QPoint(130, 0));
    EXPECT_EQ(layout.MouseState(), TMouseState::Moving);
    Release(grab + QPoint(130, 0));
    EXPECT_EQ(Cell(c), QPoint(2, 2));
}

namespace {

// As the organisation chart does: a drop whose ghost lands exactly on another box is refused
// before the inherited release runs.
class NoStackingLayout : public TLayoutBase
{
protected:
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override
    {
        if (MouseState() == TMouseState::Moving && GhostMeetsAnotherBox()) {
            Redraw();
            DrawSelection();
            SetMouseState(TMouseState::Idle);
            return;
        }
        TLayoutBase::MouseUp(button, shift, x, y);
    }

private:
    bool GhostMeetsAnotherBox() const
    {
        for (const TItemBase *moving : Selection())
            for (const TItemBase *other : Items())
                if (!Selection().Contains(other) && other->Left() == moving->DragLeft()
                    && other->Top() == moving->DragTop())
                    return true;
        return false;
    }
};

}  // namespace

TEST(ChartPointerDerived, ADerivedLayoutCanRefuseADropBeforeTheInheritedRelease)
{
    NoStackingLayout layout;
    ConfigureChartGrid(layout);
    TItemBase *root = AddBox(layout, nullptr);
    TItemBase *first = AddBox(layout, root);   // (1,0)
    TItemBase *second = AddBox(layout, root);  // (1,1)
    ShowLayout(layout);

    QTest::mousePress(&layout, Qt::LeftButton, {}, CentreOf(second));
    QTest::mouseMove(&layout, CentreOf(first));
    QTest::mouseRelease(&layout, Qt::LeftButton, {}, CentreOf(first));
    EXPECT_EQ(second->Row(), 1);
    EXPECT_EQ(layout.MouseState(), TMouseState::Idle);

    QTest::mousePress(&layout, Qt::LeftButton, {}, CentreOf(second));
    QTest::mouseMove(&layout, CentreOf(second) + QPoint(130, 0));
    QTest::mouseRelease(&layout, Qt::LeftButton, {}, CentreOf(second) + QPoint(130, 0));
    EXPECT_EQ(second->Column(), 2);
}
