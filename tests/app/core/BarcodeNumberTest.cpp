#include "records/BarcodeNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(BarcodeNumberTest, NumbersAreSixToEightDigitsOrCapitalsAndTypedLettersBecomeCapitals)
{
    using namespace BarcodeNumber;
    EXPECT_TRUE(IsAcceptable({}));
    for (const char *good : {"A12345", "1234567", "ZZ00ZZ99"})
        EXPECT_TRUE(IsAcceptable(QLatin1String(good))) << good;
    for (const char *bad : {"A1234", "123456789", "AB-123", "ab1234", "１２３４５６"})
        EXPECT_FALSE(IsAcceptable(QString::fromUtf8(bad))) << bad;
    EXPECT_EQ(Typed(QLatin1Char('q')), QLatin1Char('Q'));
    EXPECT_EQ(Typed(QLatin1Char('7')), QLatin1Char('7'));
    EXPECT_TRUE(Typed(QLatin1Char('-')).isNull());
    EXPECT_TRUE(Typed(QChar(0x3042)).isNull());  // あ
    EXPECT_EQ(Typed(QLatin1Char('\b')), QLatin1Char('\b'));
}

}  // namespace
