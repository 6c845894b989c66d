#include "roster/CardBarcode.h"

#include <gtest/gtest.h>

using sorvik::documents::CardBarcode;

TEST(CardBarcodeTest, TheCodeIsContractorAndWorkerUnlessTheSiteUsesUnifiedNumbers)
{
    EXPECT_EQ(CardBarcode::Code(false, QStringLiteral("A1234567"), 120, 7), QStringLiteral("120-007"));
    EXPECT_EQ(CardBarcode::Symbol(CardBarcode::Code(false, {}, 5, 12)), QStringLiteral("$005-012%"));
    EXPECT_EQ(CardBarcode::Code(false, {}, 1234, 5), QStringLiteral("1234-005"));
    EXPECT_EQ(CardBarcode::Code(true, QStringLiteral("A1234567"), 120, 7), QStringLiteral("A1234567"));
    EXPECT_EQ(CardBarcode::Code(true, {}, 120, 7), QString());
}
