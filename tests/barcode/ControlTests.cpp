#include "BarcodeControl.h"
#include "ErrorCodes.h"
#include "Picture.h"
#include "Units.h"

#include <gtest/gtest.h>

using namespace strilux;

TEST(StriluxControlProperties, StartWithTheirDefaults)
{
    BarcodeControl c;
    const auto &p = c.properties();
    EXPECT_EQ(p.type, 0);
    EXPECT_EQ(p.value, "0123456789");
    EXPECT_EQ(p.startChar, "a");
    EXPECT_EQ(p.zoom, 100);
    EXPECT_DOUBLE_EQ(c.barRatio(), 2.5);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Element), 0.508);
    EXPECT_EQ(p.dpiX, 96);
    EXPECT_EQ(p.backColor, 0xFFFFFFu);
    EXPECT_EQ(p.scaleMode, 3);
    EXPECT_EQ(c.errorNumber(), 0);
}

TEST(StriluxControlProperties, RangeErrorsKeepTheOldValue)
{
    BarcodeControl c;
    c.putType(12);
    EXPECT_EQ(c.errorNumber(), errSetType);
    EXPECT_STREQ(errorMessage(c.errorNumber()), "Typeの設定に失敗しました。");
    EXPECT_EQ(c.properties().type, 0);
    c.putRotate(4);
    EXPECT_EQ(c.errorNumber(), errSetRotate);
    c.putUnit(-1);
    EXPECT_EQ(c.errorNumber(), errUnitType);
    c.putCodeSet(4);
    EXPECT_EQ(c.errorNumber(), errSetCodeSet);
    c.putDCMode(2);
    EXPECT_EQ(c.errorNumber(), errSetDCMode);
    c.putMessage(2);
    EXPECT_EQ(c.errorNumber(), errSetMessage);
    c.putBearer(5);
    EXPECT_EQ(c.errorNumber(), errSetBearer);
    EXPECT_EQ(c.properties().bearer, 0);
    c.putLength(LengthProperty::CharHeight, -1);
    EXPECT_EQ(c.errorNumber(), errSetCharHeight);
    EXPECT_EQ(c.properties().charHeight, 0);
}

TEST(StriluxControlProperties, LimitedValuesAreStoredAndReported)
{
    BarcodeControl c;
    c.putType(1);
    c.putZoom(300);
    EXPECT_EQ(c.properties().zoom, 200);
    EXPECT_EQ(c.errorNumber(), errSetZoom);
    c.putType(9);
    c.putBlackRatio(80);
    EXPECT_EQ(c.properties().blackRatio, 100);
    EXPECT_EQ(c.errorNumber(), errSetBlackRatio);
    c.putType(11);
    c.putPoint(25);
    EXPECT_EQ(c.properties().zoom, 200);
    EXPECT_EQ(c.errorNumber(), errSetPoint);
    EXPECT_DOUBLE_EQ(c.point(), 20.0);
}

TEST(StriluxControlProperties, RefusedLengthsAreStoredAsRequested)
{
    BarcodeControl c;
    c.putType(11);
    c.putLength(LengthProperty::BarHeight, 10);
    EXPECT_EQ(c.errorNumber(), errSetBarHeight);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarHeight), 10.0);
    c.putType(8);
    c.putLength(LengthProperty::Quiet, 1);
    EXPECT_EQ(c.errorNumber(), errSetQuiet);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Quiet), 1.0);
    c.putLength(LengthProperty::Quiet, -3);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Quiet), 0.0);
    c.putLength(LengthProperty::Element, 0);
    EXPECT_EQ(c.errorNumber(), errSetElement);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Element), 0.191);
    c.putType(1);
    c.putLength(LengthProperty::Element, -2);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Element), 0.1);
    c.putUnit(3);
    c.putLength(LengthProperty::Element, 0);
    EXPECT_EQ(c.properties().element, toMicrometres(1, Unit::Dot, 96));
}

TEST(StriluxControlProperties, CheckPatternOnlyForNw7)
{
    BarcodeControl c;
    c.putType(9);
    c.putCheckPattern(3);
    EXPECT_EQ(c.errorNumber(), errSetCheckPattern);
    EXPECT_EQ(c.properties().checkPattern, 0);
    c.putType(8);
    c.putCheckPattern(3);
    EXPECT_EQ(c.errorNumber(), 0);
    EXPECT_EQ(c.properties().checkPattern, 3);
    c.putCheckPattern(8);
    EXPECT_EQ(c.errorNumber(), errSetCheckPattern);
    // A new type starts from the automatic pattern.
    c.putType(8);
    EXPECT_EQ(c.properties().checkPattern, 0);
}

TEST(StriluxControlProperties, Nw7StartAndStopCharacters)
{
    BarcodeControl c;
    c.putStartChar("x");
    EXPECT_EQ(c.errorNumber(), 0);  // unused by other types
    c.putType(8);
    c.putStartChar("z");
    EXPECT_EQ(c.errorNumber(), errSetStartChar);
    EXPECT_EQ(c.properties().startChar, "x");
    c.putStopChar("");
    EXPECT_EQ(c.errorNumber(), errSetStopChar);
    c.putStopChar("D");
    EXPECT_EQ(c.properties().stopChar, "D");
}

TEST(StriluxControlProperties, CheckCharIsForcedForCode128AndTheCustomerBarcode)
{
    BarcodeControl c;
    c.putType(10);
    c.putCheckChar(1);
    EXPECT_EQ(c.errorNumber(), errSetCheckChar);
    EXPECT_EQ(c.properties().checkChar, 0);
    c.putType(1);
    c.putCheckChar(1);
    EXPECT_EQ(c.errorNumber(), 0);
    c.putType(11);
    EXPECT_EQ(c.properties().checkChar, 0);
}

TEST(StriluxControlProperties, SomePutsLeaveTheErrorNumber)
{
    BarcodeControl c;
    c.putType(12);
    c.putValue("1");
    c.putBarColor(0xFF);
    c.putBackColor(0);
    c.putFlatHeight(1);
    c.putFont("IPAGothic", true, false);
    c.putDpi(true, 200);
    c.putObjectMode(1);
    c.putParent(42);
    c.checkCharOf("123");
    c.putLength(LengthProperty::BarWidth, 30);
    EXPECT_EQ(c.errorNumber(), errSetType);
    c.putRotate(1);
    EXPECT_EQ(c.errorNumber(), 0);
}

TEST(StriluxControlProperties, BarWidthIsResetByOtherGeometry)
{
    BarcodeControl c;
    c.putType(9);
    c.putLength(LengthProperty::BarWidth, 40);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarWidth), 40.0);
    c.putValue("ABC");
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarWidth), 0.0);
    c.putLength(LengthProperty::BarWidth, 40);
    c.putLength(LengthProperty::BarHeight, 10);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarWidth), 0.0);
    c.putLength(LengthProperty::BarWidth, -5);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarWidth), 0.0);
}

TEST(StriluxControlProperties, BarWidthFitsTheWorkerCard)
{
    BarcodeControl c;
    c.putType(9);
    c.putCheckChar(1);
    c.putValue("$005-012%");
    c.putLength(LengthProperty::BarHeight, 14);
    c.putLength(LengthProperty::CharHeight, 4);
    c.putLength(LengthProperty::BarWidth, 34);
    EXPECT_NEAR(double(c.sizeUm().cx), 34000.0, 200.0);
    EXPECT_EQ(c.sizeUm().cy, 18000);
    EXPECT_EQ(c.properties().charGap, 0);
}

TEST(StriluxControlProperties, BarWidthHoldsForTheValueOfTheMetafileCall)
{
    BarcodeControl c;
    c.putType(9);
    c.putCheckChar(1);
    c.putLength(LengthProperty::BarWidth, 34);  // fitted to the default value first
    Picture *picture = c.enhMetaFile("$005-012%");
    std::int32_t frame = 0;
    picture->get_Width(&frame);
    picture->Release();
    EXPECT_NEAR(frame, 3400, 20);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarWidth), 34.0);
}

TEST(StriluxControlProperties, BarWidthSetsTheZoomOfFixedTypes)
{
    BarcodeControl c;
    c.putType(1);
    c.putLength(LengthProperty::BarWidth, 37.29 * 1.5);
    EXPECT_EQ(c.properties().zoom, 150);
    c.putLength(LengthProperty::BarWidth, 100);
    EXPECT_EQ(c.properties().zoom, 200);
}

TEST(StriluxControlProperties, LengthsFollowTheUnit)
{
    BarcodeControl c;
    c.putUnit(1);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::Element), 0.02);
    c.putLength(LengthProperty::BarHeight, 0.5);
    EXPECT_EQ(c.properties().barHeight, 12700);
    c.putUnit(2);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarHeight), 36.0);
    c.putUnit(3);
    EXPECT_DOUBLE_EQ(c.length(LengthProperty::BarHeight), 48.0);
    c.putLength(LengthProperty::CharGap, 2.9);  // whole dots only
    EXPECT_EQ(c.properties().charGap, toMicrometres(2, Unit::Dot, 96));
}

TEST(StriluxControlProperties, GetCheckCharRemembersTheCheck)
{
    BarcodeControl c;
    c.putType(1);
    EXPECT_EQ(c.checkCharOf("490123456789"), "4");
    c.putCheckChar(1);
    EXPECT_EQ(c.checkCharOf("490123456789"), "");
}

TEST(StriluxControlProperties, ExtentFollowsTheObjectMode)
{
    BarcodeControl c;
    EXPECT_EQ(c.extent().cx, 741);
    c.putObjectMode(1);
    EXPECT_EQ(c.extent().cx, c.sizeUm().cx / 10);
}

TEST(StriluxControlPersistence, RoundTripsEveryProperty)
{
    BarcodeControl a;
    a.putType(8);
    a.putCheckPattern(4);
    a.putStartChar("b");
    a.putStopChar("d");
    a.putValue("12-34");
    a.putUnit(1);
    a.putLength(LengthProperty::BarHeight, 0.5);
    a.putLength(LengthProperty::Element, 0.012);
    a.putLength(LengthProperty::CharHeight, 0.1);
    a.putBarRatio(2.8);
    a.putRotate(3);
    a.putMessage(1);
    a.putBarColor(0x112233);
    a.putFont("IPAGothic", true, true);
    a.putDpi(true, 300);
    a.putLength(LengthProperty::BarWidth, 2.0);

    BarcodeControl b;
    const auto bytes = a.save();
    ASSERT_TRUE(b.load(bytes.data(), bytes.size()));
    EXPECT_EQ(b.save(), bytes);
    EXPECT_EQ(b.properties().checkPattern, 4);
    EXPECT_EQ(b.properties().unit, 1);
    EXPECT_EQ(b.properties().barHeight, 12700);
    EXPECT_EQ(b.properties().element, a.properties().element);
    EXPECT_EQ(b.properties().fontFace, "IPAGothic");
    EXPECT_EQ(b.sizeUm().cx, a.sizeUm().cx);
    EXPECT_EQ(b.errorNumber(), 0);
    EXPECT_FALSE(b.isDirty());
}

TEST(StriluxControlPersistence, ABrokenStreamChangesNothing)
{
    BarcodeControl a;
    a.putType(5);
    auto bytes = a.save();
    bytes.resize(bytes.size() / 2);
    BarcodeControl b;
    EXPECT_FALSE(b.load(bytes.data(), bytes.size()));
    EXPECT_EQ(b.properties().type, 0);
}
