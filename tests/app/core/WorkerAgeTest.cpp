#include "dates/WorkerAge.h"

#include <gtest/gtest.h>

TEST(WorkerAgeTest, AgeIsTheDaysOverThreeHundredSixtyFiveAndAQuarterTruncated)
{
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("1982/04/18"), QDate(2026, 4, 18)), 44);
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("1982/04/18"), QDate(2026, 4, 17)), 43);
    // 6574 days: 17.998 years by the quarter-day rule, although the calendar says 18.
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("2008/06/01"), QDate(2026, 6, 1)), 17);
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("2008/06/01"), QDate(2026, 6, 2)), 18);
}

TEST(WorkerAgeTest, NoAgeWithoutARealBirthDate)
{
    EXPECT_EQ(WorkerAgeOn(QString(), QDate(2026, 6, 1)), std::nullopt);
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("1982/13/40"), QDate(2026, 6, 1)), std::nullopt);
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("昭和57年"), QDate(2026, 6, 1)), std::nullopt);
    EXPECT_EQ(WorkerAgeOn(QStringLiteral("1982/04/18"), QDate()), std::nullopt);
}

TEST(WorkerAgeTest, FlagsFollowTheTwoLimits)
{
    EXPECT_EQ(WorkerAgeFlagsFor(17, 55, 18).YNG, 1);
    EXPECT_EQ(WorkerAgeFlagsFor(17, 55, 18).ADVA, 0);
    EXPECT_EQ(WorkerAgeFlagsFor(18, 55, 18).YNG, 0);
    EXPECT_EQ(WorkerAgeFlagsFor(54, 55, 18).ADVA, 0);
    EXPECT_EQ(WorkerAgeFlagsFor(55, 55, 18).ADVA, 1);
    // A minor limit above the aged one: the aged flag wins and the minor flag stays off.
    EXPECT_EQ(WorkerAgeFlagsFor(60, 55, 70).YNG, 0);
}
