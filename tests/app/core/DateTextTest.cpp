#include "dates/DateText.h"
#include "dates/EraCalendar.h"

#include <gtest/gtest.h>

TEST(DateTextTest, EmptyTextIsTheNullDateBothWays)
{
    EXPECT_FALSE(DateTextToDate(QString()).isValid());
    EXPECT_EQ(DateToDateText(QDate()), QString());
    EXPECT_EQ(DateTextToEraLong(QString()), QString());
    EXPECT_EQ(DateTextToEraShort(QString()), QString());
    EXPECT_EQ(DateTextToEraSpaced(QString()), QString());
}

TEST(DateTextTest, RoundTripKeepsZeroPadding)
{
    EXPECT_EQ(DateTextToDate("2009/04/01"), QDate(2009, 4, 1));
    EXPECT_EQ(DateToDateText(QDate(2009, 4, 1)), "2009/04/01");
    EXPECT_EQ(DateToDateText(QDate(987, 1, 2)), "0987/01/02");
}

TEST(DateTextTest, TextThatIsNoDateIsAnError)
{
    EXPECT_THROW(DateTextToDate("2009/02/30"), InvalidDateText);
    EXPECT_THROW(DateTextToDate("2009/4/10"), InvalidDateText);
    EXPECT_THROW(DateTextToDate("abcd/ef/gh"), InvalidDateText);
    // What the user sees of the error names the text.
    try {
        DateTextToDate("2009/4/1");
    } catch (const InvalidDateText &error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), "「2009/4/1」は日付として読めません。");
    }
}

// A stored text an imported package brought is shown as it is, never an error.
TEST(DateTextTest, EraFormsOfATextThatIsNoDateAreTheTextItself)
{
    EXPECT_EQ(DateTextToEraLong("2009/4/1"), "2009/4/1");
    EXPECT_EQ(DateTextToEraShort("2009/02/30"), "2009/02/30");
    EXPECT_EQ(DateTextToEraSpaced("令和元年"), "令和元年");
}

TEST(DateTextTest, EraFormsOfEachEra)
{
    EXPECT_EQ(DateTextToEraLong("2009/04/01"), "平成 21年04月01日");
    EXPECT_EQ(DateTextToEraShort("2009/04/01"), "平 21年4月1日");
    EXPECT_EQ(DateTextToEraSpaced("2009/04/01"), "平成 21年 4月 1日");
    EXPECT_EQ(DateTextToEraLong("2026/12/09"), "令和 08年12月09日");
    EXPECT_EQ(DateTextToEraLong("1989/01/07"), "昭和 64年01月07日");
    EXPECT_EQ(DateTextToEraLong("1989/01/08"), "平成 01年01月08日");
    EXPECT_EQ(DateTextToEraLong("2019/04/30"), "平成 31年04月30日");
    EXPECT_EQ(DateTextToEraLong("2019/05/01"), "令和 01年05月01日");
    EXPECT_EQ(DateTextToEraSpaced("1926/12/25"), "昭和 1年 12月 25日");
    EXPECT_EQ(DateTextToEraShort("1912/07/29"), "明 45年7月29日");
    EXPECT_EQ(DateTextToEraShort("1912/07/30"), "大 1年7月30日");
}

TEST(EraCalendarTest, YearsConvertBothWays)
{
    EXPECT_EQ(EraCalendar::westernYear("令和", 8), 2026);
    EXPECT_EQ(EraCalendar::westernYear("平成", 100), 2088);
    EXPECT_EQ(EraCalendar::westernYear("明治", 6), 1873);
    EXPECT_EQ(EraCalendar::westernYear("西暦", 6), 0);
    EXPECT_EQ(EraCalendar::eraOf(QDate(1868, 9, 7)), nullptr);
    EXPECT_EQ(EraCalendar::yearInEra(QDate(1868, 9, 8)), 1);
}

TEST(DateTextTest, InRangeIsInclusiveAndOpenWhenBoundsAreEmpty)
{
    EXPECT_TRUE(DateTextInRange("2009/04/01", "", ""));
    EXPECT_FALSE(DateTextInRange("", "2009/01/01", "2009/12/31"));
    EXPECT_TRUE(DateTextInRange("2009/01/01", "2009/01/01", "2009/12/31"));
    EXPECT_TRUE(DateTextInRange("2009/12/31", "2009/01/01", "2009/12/31"));
    EXPECT_FALSE(DateTextInRange("2010/01/01", "2009/01/01", "2009/12/31"));
    EXPECT_TRUE(DateTextInRange("2010/01/01", "2009/01/01", ""));
}

TEST(DateTextTest, IsDateTextNeverThrows)
{
    EXPECT_TRUE(IsDateText("2009/04/10"));
    EXPECT_TRUE(IsDateText("2008/02/29"));
    EXPECT_FALSE(IsDateText("2009/4/10"));
    EXPECT_FALSE(IsDateText("2009/02/30"));
    EXPECT_FALSE(IsDateText(""));
    EXPECT_FALSE(IsDateText("2009-04-1x"));
}
