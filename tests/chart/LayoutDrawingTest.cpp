#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

#include "ChartGeometry.h"
#include "ChartTestSupport.h"
#include "LayoutPainter.h"

namespace {

const QColor kNavy(0x000080);
const QColor kBand(0xC0DCC0);
const QColor kPageLine(0x008000);

QPointF BezierAt(const ChartGeometry::LinkCurve &c, double t)
{
    const double u = 1 - t;
    return QPointF(c.p0) * (u * u * u) + QPointF(c.p1) * (3 * u * u * t) + QPointF(c.p2) * (3 * u * t * t)
        + QPointF(c.p3) * (t * t * t);
}

ChartGeometry::LinkCurve CurveOf(const TItemBase *child, int colWidth)
{
    const TItemBase *parent = child->ParentItem();
    return ChartGeometry::LinkControlPoints({parent->BoxRect(), parent->Column(), parent->Row()},
                                            {child->BoxRect(), child->Column(), child->Row()}, colWidth);
}

class ChartDrawing : public ::testing::Test
{
protected:
    void SetUp() override { ConfigureChartGrid(layout); }
    TLayoutBase layout;
};

}  // namespace

TEST_F(ChartDrawing, GridShowsBandPageLinesAndDots)
{
    const QImage &bitmap = layout.Bitmap();
    EXPECT_EQ(PixelAt(bitmap, 60, 60), kBand);
    EXPECT_EQ(PixelAt(bitmap, 129, 700), kBand);
    EXPECT_EQ(PixelAt(bitmap, 131, 700), kNavy);
    for (int row : {4, 8}) {
        EXPECT_EQ(PixelAt(bitmap, 5, row * 130), kPageLine);
        EXPECT_EQ(PixelAt(bitmap, 649, row * 130), kPageLine);
        EXPECT_EQ(PixelAt(bitmap, 300, row * 130 - 1), kNavy);
    }
    EXPECT_EQ(PixelAt(bitmap, 300, 3 * 130 + 1), kNavy);
    EXPECT_EQ(PixelAt(bitmap, 260, 390), QColor(Qt::black));
    EXPECT_EQ(PixelAt(bitmap, 130, 130), QColor(Qt::black));
    EXPECT_EQ(PixelAt(bitmap, 390, 520), QColor(Qt::black));  // dots lie over page lines
    EXPECT_EQ(PixelAt(bitmap, 0, 0), QColor(Qt::black));
}

TEST_F(ChartDrawing, BoxIsRaisedWithItsCaptionClipped)
{
    TItemBase *root = AddBox(layout, nullptr);
    TItemBase *box = AddBox(layout, root);
    const QString longCaption(40, QLatin1Char('W'));
    box->SetCaption(longCaption);
    layout.Redraw();
    const QImage &bitmap = layout.Bitmap();
    const int left = box->Left();
    const int top = box->Top();
    const int right = left + box->Width() - 1;
    const int bottom = top + box->Height() - 1;
    const QColor face = layout.palette().color(QPalette::Button);
    EXPECT_EQ(PixelAt(bitmap, left, top), QColor(Qt::white));
    EXPECT_EQ(PixelAt(bitmap, right - 1, top), QColor(Qt::white));
    EXPECT_EQ(PixelAt(bitmap, left, bottom - 1), QColor(Qt::white));
    EXPECT_EQ(PixelAt(bitmap, right, top), QColor(Qt::black));
    EXPECT_EQ(PixelAt(bitmap, right, bottom - 1), QColor(Qt::black));
    EXPECT_EQ(PixelAt(bitmap, left, bottom), QColor(Qt::black));
    // The platform's lines leave out their end point: the bottom-right corner stays untouched.
    EXPECT_EQ(PixelAt(bitmap, right, bottom), kNavy);
    EXPECT_EQ(PixelAt(bitmap, left + 5, top + 5), face);

    const QFontMetrics metrics(layout.ItemFont(), &bitmap);
    const int textTop = top + (box->Height() - metrics.height()) / 2;
    int inkInside = 0;
    int inkOutside = 0;
    for (int y = top + 1; y < bottom; ++y)
        for (int x = left + 1; x < right; ++x) {
            if (PixelAt(bitmap, x, y) == face)
                continue;
            const bool inClip = x >= left + 2 && x < right - 1 && y >= textTop && y < textTop + metrics.height();
            ++(inClip ? inkInside : inkOutside);
        }
    EXPECT_GT(inkInside, 100);
    EXPECT_EQ(inkOutside, 0);
}

TEST_F(ChartDrawing, ALineTooWideForItsAreaIsNarrowedIntoItAndAShortOneKeepsItsPlace)
{
    // The ink of the text drawn on white around the area, as a box of pixels.
    const auto inkOf = [&](const QRect &area, Qt::Alignment alignment, const QString &text) {
        const QRect around = area.adjusted(-60, 0, 60, 0);
        {
            LayoutPainter painter(layout, around);
            painter.fillRect(around, Qt::white);
            painter.setFont(layout.ItemFont());
            painter.setPen(Qt::black);
            painter.FittedLine(area, alignment, text);
        }
        QRect ink;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                if (qGray(layout.Bitmap().pixel(x, y)) < 160)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    };
    const QString date = QStringLiteral("令08年 04月 01日～");
    const int natural = QFontMetrics(layout.ItemFont(), &layout.Bitmap()).horizontalAdvance(date);
    const QRect narrow(200, 200, natural * 3 / 4, 14);
    const QRect fitted = inkOf(narrow, Qt::AlignHCenter | Qt::AlignTop, date);
    EXPECT_TRUE(narrow.contains(fitted)) << fitted.left() << ".." << fitted.right();
    EXPECT_GT(fitted.width(), narrow.width() * 9 / 10);

    const QRect wide(200, 200, natural + 40, 14);
    const QRect centred = inkOf(wide, Qt::AlignHCenter | Qt::AlignTop, date);
    EXPECT_TRUE(wide.contains(centred));
    EXPECT_NEAR(centred.center().x(), wide.center().x(), 3);
    EXPECT_LE(centred.width(), natural);
}

TEST_F(ChartDrawing, SelectionIsARedOutlineReachingPastTheBox)
{
    TItemBase *box = AddBox(layout, nullptr);
    box->SetColumn(2);
    layout.Selection().Add(box);
    const QImage &bitmap = layout.Bitmap();
    const QRect r = box->BoxRect();
    for (QPoint p : {r.topLeft(), QPoint(r.x() + r.width(), r.y()), QPoint(r.x() + r.width(), r.y() + r.height()),
                     QPoint(r.x(), r.y() + r.height()), QPoint(r.x() + 60, r.y() + r.height())})
        EXPECT_EQ(PixelAt(bitmap, p.x(), p.y()), QColor(Qt::red)) << p.x() << "," << p.y();
    EXPECT_NE(PixelAt(bitmap, r.x() + 1, r.y() + 1), QColor(Qt::red));
    EXPECT_EQ(PixelAt(bitmap, r.x() + r.width() + 1, r.y() + 5), kNavy);
}

TEST_F(ChartDrawing, LinksOnOneRowFormAnSAndOtherwiseFollowTheRows)
{
    TItemBase *root = AddBox(layout, nullptr);
    TItemBase *parent = AddBox(layout, root);
    TItemBase *sameRow = AddBox(layout, parent);  // (2,0)
    TItemBase *lower = AddBox(layout, parent);    // (2,1)
    layout.SetLinkColor(ChartColor(0xFFFF00));
    const QImage &bitmap = layout.Bitmap();
    const QColor link(0xFFFF00);

    const ChartGeometry::LinkCurve s = CurveOf(sameRow, 130);
    const int mid = parent->Top() + parent->Height() / 2;
    EXPECT_LT(BezierAt(s, 0.25).y(), mid);
    EXPECT_GT(BezierAt(s, 0.75).y(), mid);
    for (double t : {0.1, 0.25, 0.5, 0.75, 0.9})
        EXPECT_TRUE(HasColorNear(bitmap, BezierAt(s, t), link)) << "S-curve at t=" << t;
    // The curve bulges above the mid-line before the gap's centre.
    EXPECT_TRUE(HasColorNear(bitmap, QPointF(BezierAt(s, 0.25).x(), mid - 3), link, 2));

    const ChartGeometry::LinkCurve down = CurveOf(lower, 130);
    for (double t : {0.1, 0.3, 0.5, 0.7, 0.9})
        EXPECT_TRUE(HasColorNear(bitmap, BezierAt(down, t), link)) << "row curve at t=" << t;
    // Leaving and arriving horizontally: level with the end points just off the boxes.
    EXPECT_TRUE(HasColorNear(bitmap, QPointF(down.p0.x() + 2, down.p0.y()), link));
    EXPECT_TRUE(HasColorNear(bitmap, QPointF(down.p3.x() - 2, down.p3.y()), link));
    // Nothing where the curve does not pass: the gap's bottom half below the S.
    EXPECT_EQ(PixelAt(bitmap, 259, 30), kNavy);
}

TEST_F(ChartDrawing, ButtonFaceFollowsThePalette)
{
    TItemBase *box = AddBox(layout, nullptr);
    box->SetColumn(2);
    QPalette palette = layout.palette();
    palette.setColor(QPalette::Button, QColor(0x123456));
    layout.setPalette(palette);
    EXPECT_EQ(PixelAt(layout.Bitmap(), box->Left() + 5, box->Top() + 5), QColor(0x123456));
    box->SetColor(ChartColor(0xFF00FF));
    EXPECT_EQ(PixelAt(layout.Bitmap(), box->Left() + 5, box->Top() + 5), QColor(0xFF00FF));
}

// The organisation chart's grid with a three-level tree, saved for a person to look at.
TEST_F(ChartDrawing, ThreeLevelTreeOnTheChartGrid)
{
    layout.BeginUpdate();
    TItemBase *prime = AddBox(layout, nullptr, QStringLiteral("元請 北辰建設"));
    const QStringList firstTier{QStringLiteral("一次 青葉鉄筋"), QStringLiteral("一次 港南設備"),
                                QStringLiteral("一次 白樺電工")};
    const QList<int> secondTierCounts{2, 1, 3};
    QList<TItemBase *> tierOne;
    int n = 0;
    for (int i = 0; i < firstTier.size(); ++i) {
        TItemBase *box = AddBox(layout, prime, firstTier[i]);
        tierOne.append(box);
        for (int j = 0; j < secondTierCounts[i]; ++j)
            AddBox(layout, box, QStringLiteral("二次 協力会社%1").arg(++n));
    }
    layout.EndUpdate();
    layout.Selection().Add(tierOne[1]);

    ASSERT_EQ(layout.Items().Count(), 10);
    EXPECT_EQ(tierOne[0]->Row(), 0);
    EXPECT_EQ(tierOne[1]->Row(), 1);
    EXPECT_EQ(tierOne[2]->Row(), 2);
    EXPECT_EQ(layout.NextFreeRow(2), 6);  // six second-tier boxes, rows 0..5 across a page line

    const QImage &bitmap = layout.Bitmap();
    EXPECT_EQ(PixelAt(bitmap, 60, 700), kBand);
    EXPECT_EQ(PixelAt(bitmap, 600, 1500), kNavy);
    EXPECT_EQ(PixelAt(bitmap, 600, 520), kPageLine);
    EXPECT_EQ(PixelAt(bitmap, tierOne[1]->Left() + 50, tierOne[1]->Top()), QColor(Qt::red));
    // What the control shows is its bitmap.
    const QImage shown = layout.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, bitmap);
    const QString path = ArtifactPath(QStringLiteral("chart-three-level-tree.png"));
    ASSERT_TRUE(shown.save(path)) << path.toStdString();
    std::printf("diagram saved to %s\n", qPrintable(path));

    // Halfway through dragging the first tier down two rows: ghosts over the diagram.
    ShowLayout(layout);
    layout.SelectInRect(130, 0, 260, 390);
    QTest::mousePress(&layout, Qt::LeftButton, {}, CentreOf(tierOne[0]));
    QTest::mouseMove(&layout, CentreOf(tierOne[0]) + QPoint(0, 2 * 130));
    const QString dragging = ArtifactPath(QStringLiteral("chart-three-level-tree-dragging.png"));
    ASSERT_TRUE(layout.grab().save(dragging));
    QTest::mouseRelease(&layout, Qt::LeftButton, {}, CentreOf(tierOne[0]) + QPoint(0, 2 * 130));
    EXPECT_EQ(tierOne[2]->Row(), 4);
}
