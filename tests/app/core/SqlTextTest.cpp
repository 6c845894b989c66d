#include "db/SqlText.h"

#include <gtest/gtest.h>

TEST(SqlTextTest, StringsAreQuotedWithQuotesDoubled)
{
    EXPECT_EQ(SqlStrOrNull("O'Neil"), "'O''Neil'");
    EXPECT_EQ(SqlStrOrNull("''"), "''''''");
    EXPECT_EQ(SqlStrOrNull("山田"), "'山田'");
    EXPECT_EQ(SqlStrOrNull(""), "NULL");
    EXPECT_EQ(SqlStrOrNull("NULL"), "NULL");
}

TEST(SqlTextTest, IntegersKeepOnlyTheirDigits)
{
    EXPECT_EQ(SqlIntOrNull("12.5"), "125");
    EXPECT_EQ(SqlIntOrNull("-7"), "7");
    EXPECT_EQ(SqlIntOrNull("007"), "7");
    EXPECT_EQ(SqlIntOrNull(""), "NULL");
    EXPECT_EQ(SqlIntOrNull("NULL"), "NULL");
    // Nothing numeric must not leave an empty hole in the statement.
    EXPECT_EQ(SqlIntOrNull("abc"), "NULL");
    EXPECT_EQ(DigitsOnly("TEL 03-1234"), "031234");
}
