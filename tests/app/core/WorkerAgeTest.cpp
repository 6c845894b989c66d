#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "dates/WorkerAge.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(WorkerAgeTest, AgeIsWholeYearsOfDaysOverAQuarterLeapYear)
{
    // 6575 days: 18.0014 years.
    EXPECT_EQ(AgeInYears(QDate(2000, 1, 1), QDate(2018, 1, 1)), 18);
    // 6572 days: 17.993.
    EXPECT_EQ(AgeInYears(QDate(2001, 3, 1), QDate(2019, 2, 27)), 17);
    // 6574 days: 17.9986, so the eighteenth birthday counts one day late.
    EXPECT_EQ(AgeInYears(QDate(2001, 3, 1), QDate(2019, 3, 1)), 17);
    EXPECT_EQ(AgeInYears(QDate(2001, 3, 1), QDate(2019, 3, 2)), 18);
    EXPECT_EQ(AgeInYears(QDate(1963, 4, 1), QDate(2018, 4, 1)), 55);
    EXPECT_EQ(AgeInYears(QDate(2026, 6, 1), QDate(2026, 6, 1)), 0);
}

TEST(WorkerAgeTest, NoAgeWithoutAUsableBirthDateOrForOneAfterTheDay)
{
    EXPECT_EQ(AgeInYears(QDate(2019, 3, 2), QDate(2019, 3, 1)), std::nullopt);
    EXPECT_EQ(AgeInYears(QDate(), QDate(2019, 3, 1)), std::nullopt);
    EXPECT_EQ(AgeInYears(QStringLiteral("2000/01/01"), QDate(2018, 1, 1)), 18);
    for (const char *text : {"", "2000/1/1", "2000/02/30", "昭和"})
        EXPECT_EQ(AgeInYears(QString::fromUtf8(text), QDate(2018, 1, 1)), std::nullopt) << text;
}

TEST(WorkerAgeTest, FlagsFollowTheLimits)
{
    const AgeLimits limits;
    EXPECT_EQ(limits.aged, 55);
    EXPECT_EQ(limits.young, 18);
    const auto flags = [&](int age) {
        const AgeFlags f = FlagsForAge(age, limits);
        return QString::number(f.aged) + QString::number(f.young);
    };
    EXPECT_EQ(flags(17), QStringLiteral("01"));
    EXPECT_EQ(flags(18), QStringLiteral("00"));
    EXPECT_EQ(flags(54), QStringLiteral("00"));
    EXPECT_EQ(flags(55), QStringLiteral("10"));
    // A young limit above the aged one never makes a worker both.
    EXPECT_EQ(FlagsForAge(60, {50, 65}).young, false);
}

TEST(WorkerAgeTest, LimitsAreReadFromTheSettings)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("sorvik.ini")));
    EXPECT_EQ(AgeLimits::FromSettings(ini).aged, 55);
    Config::write(ini, Config::OldAgeForAgeTest, 65);
    Config::write(ini, Config::YoungAge, 20);
    EXPECT_EQ(AgeLimits::FromSettings(ini).aged, 65);
    EXPECT_EQ(AgeLimits::FromSettings(ini).young, 20);
}

}  // namespace
