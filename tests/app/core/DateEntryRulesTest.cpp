#include "dates/DateEntryRules.h"

#include <gtest/gtest.h>

using namespace DateEntryRules;

TEST(DateEntryRulesTest, EraListHasReiwaNewestFirst)
{
    EXPECT_EQ(eraItems(), (QStringList{"西暦", "令和", "平成", "昭和", "大正", "明治"}));
    // The default era of an empty control is the item at its position minus one.
    EXPECT_EQ(eraItems().value(degReiwa - 1), "令和");
    EXPECT_EQ(eraItems().value(degShowa - 1), "昭和");
    EXPECT_EQ(eraItems().value(degMeiji - 1), "明治");
}

TEST(DateEntryRulesTest, EraBoundariesReadAndShow)
{
    auto dateOf = [](const QString &era, const QString &year, const QString &month, const QString &day) {
        return read({era, year, month, day}, desYearMonthDay, true, false).date;
    };
    EXPECT_EQ(dateOf("令和", "1", "5", "1"), QDate(2019, 5, 1));
    EXPECT_EQ(dateOf(" 平成", " 31 ", "4", "30 "), QDate(2019, 4, 30));
    EXPECT_EQ(dateOf("", "2026", "12", "9"), QDate(2026, 12, 9));
    const Fields lastHeisei = fieldsFor(QDate(2019, 4, 30), true, desYearMonthDay);
    EXPECT_EQ(lastHeisei.era, "平成");
    EXPECT_EQ(lastHeisei.year, "31");
    EXPECT_EQ(fieldsFor(QDate(2019, 5, 1), true, desYearMonthDay).era, "令和");
    EXPECT_EQ(fieldsFor(QDate(2019, 5, 1), true, desYearMonth).day, "");
}

TEST(DateEntryRulesTest, HiddenFieldsNeverCount)
{
    // A day left behind in the hidden field must not turn an empty year-month entry
    // into a half-filled one.
    const Reading reading = read({"令和", "", "", "15"}, desYearMonth, true, false);
    EXPECT_EQ(reading.outcome, Reading::Empty);
    EXPECT_EQ(read({"令和", "8", "", ""}, desYearMonth, true, false).errorBits, MonthBlank);
}
