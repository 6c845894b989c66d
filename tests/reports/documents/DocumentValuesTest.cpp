#include "framework/DocumentValues.h"

#include <gtest/gtest.h>

using namespace sorvik::documents;

TEST(DocumentValuesTest, StoredDatesPrintInEraFormsAndBrokenOnesAsStored)
{
    EXPECT_EQ(DocumentValues::EraShort(QStringLiteral("2019/05/01")), QStringLiteral("令 1年5月1日"));
    EXPECT_EQ(DocumentValues::EraSpaced(QStringLiteral("2019/04/30")), QStringLiteral("平成 31年 4月 30日"));
    EXPECT_EQ(DocumentValues::EraShort(QString()), QString());
    EXPECT_EQ(DocumentValues::EraShort(QStringLiteral("2019/02/30")), QStringLiteral("2019/02/30"));
}

TEST(DocumentValuesTest, AnUntickedDateWritesTheBlankPicture)
{
    const QString picture = QStringLiteral("gg　e年　m月　d日");
    EXPECT_EQ(DocumentValues::CreationDate(QDate(2026, 6, 1), picture), QStringLiteral("令和　8年　6月　1日"));
    EXPECT_EQ(DocumentValues::CreationDate(QDate(), picture, QStringLiteral("　　　　年　　月　　日")),
              QStringLiteral("　　　　年　　月　　日"));
}
