#include "records/CommaSummary.h"

#include <gtest/gtest.h>

namespace {

TEST(CommaSummaryTest, EntriesAreJoinedWithoutBlanksAndEmptyOnesAreSkipped)
{
    EXPECT_EQ(CommaSummary::Join({}, 100), QString());
    EXPECT_EQ(CommaSummary::Join({QStringLiteral("大特")}, 100), QStringLiteral("大特"));
    EXPECT_EQ(CommaSummary::Join({QStringLiteral("大特"), {}, QStringLiteral("移ク"), {}}, 100),
              QStringLiteral("大特,移ク"));
}

TEST(CommaSummaryTest, AListTooLongIsCutAfterItsLastWholeEntry)
{
    // 30 entries of three characters: 119 characters in all.
    QStringList entries;
    for (int i = 10; i < 40; ++i)
        entries << QStringLiteral("資%1").arg(i);
    const QString cut = CommaSummary::Join(entries, 100);
    EXPECT_EQ(cut.size(), 99);  // 25 entries and 24 commas
    EXPECT_TRUE(cut.endsWith(QStringLiteral(",資34")));
    EXPECT_EQ(CommaSummary::Join(entries, 0).size(), 119);
    // Exactly at the limit is kept whole.
    EXPECT_EQ(CommaSummary::Join({QStringLiteral("ab"), QStringLiteral("cd")}, 5), QStringLiteral("ab,cd"));
    EXPECT_EQ(CommaSummary::Join({QStringLiteral("ab"), QStringLiteral("cd")}, 4), QStringLiteral("ab"));
}

TEST(CommaSummaryTest, AnAppendThatDoesNotFitIsRefused)
{
    EXPECT_EQ(CommaSummary::Append({}, QStringLiteral("土工"), 60), QStringLiteral("土工"));
    EXPECT_EQ(CommaSummary::Append(QStringLiteral("土工"), QStringLiteral("鳶"), 60), QStringLiteral("土工,鳶"));
    EXPECT_EQ(CommaSummary::Append(QString(59, QLatin1Char('x')), QStringLiteral("鳶"), 60), std::nullopt);
    EXPECT_EQ(CommaSummary::Append(QString(58, QLatin1Char('x')), QStringLiteral("鳶"), 60)->size(), 60);
    EXPECT_EQ(CommaSummary::TooLongMessage(QStringLiteral("職種"), 60),
              QStringLiteral("「職種」は60文字までです。これ以上追加出来ません。"));
}

}  // namespace
