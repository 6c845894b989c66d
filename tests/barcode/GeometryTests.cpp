#include "BarcodeControl.h"
#include "Encoder.h"
#include "Layout.h"
#include "TypeLimits.h"

#include <gtest/gtest.h>

using namespace strilux;

namespace {
BarcodeControl controlOf(int type, const std::string &value)
{
    BarcodeControl c;
    c.putType(type);
    c.putValue(value);
    return c;
}
}  // namespace

TEST(StriluxGeometry, Jan13IsOneHundredThirteenModulesWide)
{
    BarcodeControl c = controlOf(1, "490123456789");
    EXPECT_EQ(c.sizeUm().cx, 37290);
    // Bars 22.5 mm and digits 2.4 mm.
    EXPECT_EQ(c.sizeUm().cy, 22500 + 2400);
    c.putUnit(3);  // dot: whole-pixel modules at 96 dpi
    EXPECT_EQ(c.size(int(Measure::Pixels)).cx, 113);
    EXPECT_EQ(c.scaleWidth(3), 113.0);
}

TEST(StriluxGeometry, ItfWithBearerAddsTheFrameOnEachSide)
{
    BarcodeControl c = controlOf(5, "1234567890123");
    EXPECT_EQ(c.sizeUm().cx, 151840);
    EXPECT_EQ(c.sizeUm().cy, 31800 + 9600 + 5720);
    c.putBearer(1);
    EXPECT_EQ(c.sizeUm().cx, 142240);
}

TEST(StriluxGeometry, BearerFrameKeepsItsWidthUnderBarWidthCorrection)
{
    BarcodeControl c = controlOf(5, "1234567890123");
    c.putBlackRatio(120);
    const Layout l = c.layout();
    // Four frame rectangles first, 4800 µm thick.
    EXPECT_EQ(l.bars[0].bottom - l.bars[0].top, 4800);
    EXPECT_EQ(l.bars[2].right - l.bars[2].left, 4800);
    // The first start bar (1016 µm narrow) is 20 % wider, half on each side.
    const LayoutRect &first = l.bars[4];
    EXPECT_EQ(first.right - first.left, 1016 + 203);
    EXPECT_EQ(first.left, 10 * 1016 + 4800 - (203 - 101));
}

TEST(StriluxGeometry, Nw7WithAVanishingElementDrawsAt191Micrometres)
{
    EXPECT_EQ(limits::element(BarcodeType::NW7, 0), 191);
    BarcodeControl c = controlOf(8, "1234");
    c.putLength(LengthProperty::Element, 0);
    EXPECT_EQ(c.errorNumber(), 5017);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Element), 0.191);
    const Layout l = c.layout();
    EXPECT_EQ(l.bars.front().right - l.bars.front().left, 191);
}

TEST(StriluxGeometry, Code39RatioIsRaisedForNarrowElements)
{
    BarcodeControl c = controlOf(9, "ABC");
    c.putLength(LengthProperty::Element, 0.3);
    c.putBarRatio(2.1);
    EXPECT_DOUBLE_EQ(c.barRatio(), 2.2);
    EXPECT_EQ(c.errorNumber(), 5012);
    c.putLength(LengthProperty::Element, 0.6);
    c.putBarRatio(2.1);
    EXPECT_DOUBLE_EQ(c.barRatio(), 2.1);
    EXPECT_EQ(c.errorNumber(), 0);
    c.putBarRatio(3.5);
    EXPECT_DOUBLE_EQ(c.barRatio(), 3.0);
}

TEST(StriluxGeometry, BlackRatioWidensEveryBarSymmetrically)
{
    BarcodeControl plain = controlOf(1, "490123456789");
    BarcodeControl wide = controlOf(1, "490123456789");
    wide.putBlackRatio(120);
    const Layout a = plain.layout(), b = wide.layout();
    ASSERT_EQ(a.bars.size(), b.bars.size());
    for (std::size_t i = 0; i < a.bars.size(); ++i) {
        const int w = a.bars[i].right - a.bars[i].left;
        const int f = w * 20 / 100;
        EXPECT_EQ(b.bars[i].right - b.bars[i].left, w + f);
        EXPECT_EQ(b.bars[i].right, a.bars[i].right + f / 2);
    }
}

TEST(StriluxGeometry, QuarterRotationExchangesWidthAndHeight)
{
    BarcodeControl c = controlOf(10, "ABC123");
    const SizeUm upright = c.sizeUm();
    c.putRotate(1);
    EXPECT_EQ(c.sizeUm().cx, upright.cy);
    EXPECT_EQ(c.sizeUm().cy, upright.cx);
    c.putRotate(2);
    EXPECT_EQ(c.sizeUm().cx, upright.cx);
}

TEST(StriluxGeometry, DotUnitMovesTheZoomToWholePixelModules)
{
    BarcodeControl c = controlOf(1, "490123456789");
    c.putUnit(3);
    c.putZoom(90);
    // 90 % is 0.297 mm, one pixel at 96 dpi; one pixel is 0.2646 mm, zoom 81.
    EXPECT_EQ(c.properties().zoom, 81);
    EXPECT_EQ(c.errorNumber(), 0);
    c.putDpi(true, 300);
    c.putZoom(100);
    // 0.33 mm is 3.9 pixels at 300 dpi: 3 pixels = 0.254 mm, below 80 %; 4 pixels = 0.3387 mm.
    EXPECT_EQ(c.properties().zoom, 103);
    // ITF: 1.016 mm is 3 pixels, made even: 2 pixels, zoom 53.
    EXPECT_EQ(limits::zoomForDots(BarcodeType::ITF14, 100, 96), 53);
}

TEST(StriluxGeometry, MessageOffFlattensTheGuardBars)
{
    BarcodeControl c = controlOf(1, "490123456789");
    const auto tallest = [&] {
        int bottom = 0;
        for (const auto &bar : c.layout().bars)
            bottom = std::max(bottom, bar.bottom);
        return bottom;
    };
    EXPECT_EQ(tallest(), 22500 + 1000);
    c.putMessage(1);
    EXPECT_EQ(tallest(), 22500);
    EXPECT_EQ(c.sizeUm().cy, 22500);
    c.putMessage(0);
    c.putFlatHeight(1);
    EXPECT_EQ(tallest(), 22500);
}

TEST(StriluxGeometry, ElementSizedTypesDeriveTheirDefaults)
{
    BarcodeControl c = controlOf(10, "AB");
    // START B, A, B = 3 symbols: (33 + 24) x 508 plus quiet zones of 10 x 508.
    EXPECT_EQ(c.sizeUm().cx, 57 * 508 + 2 * 5080);
    const Layout l = c.layout();
    EXPECT_EQ(l.bars.front().bottom, (57 * 508 + 2 * 508) * 15 / 100);
    EXPECT_EQ(l.charHeight, 8 * 508);
}

TEST(StriluxGeometry, CustomerBarcodeIsSizedByItsPointSize)
{
    BarcodeControl c = controlOf(11, "1530001");
    const std::int64_t h = 10 * 1000 * 254 / 720;
    EXPECT_EQ(c.sizeUm().cx, h * 23);
    EXPECT_EQ(c.sizeUm().cy, h);
    c.putUnit(3);
    const Layout l = c.layout();
    EXPECT_EQ(l.height % 6, 0);
    EXPECT_GE(l.height * 72 / 96, 8);
}

TEST(StriluxGeometry, SizesConvertToEveryMeasure)
{
    BarcodeControl c = controlOf(1, "490123456789");
    EXPECT_EQ(c.size(int(Measure::HundredthMM)).cx, 3729);
    EXPECT_EQ(c.size(int(Measure::Pixels)).cx, 141);
    EXPECT_EQ(c.size(int(Measure::Twips)).cx, 37290 * 144 / 2540);
    EXPECT_EQ(c.size(int(Measure::Inches1000)).cx, 37290 * 10 / 254);
    EXPECT_DOUBLE_EQ(c.scaleWidth(0), 37.29);
    EXPECT_DOUBLE_EQ(c.scaleWidth(1), 1.468);
    EXPECT_DOUBLE_EQ(c.width(), 141.0);
}
