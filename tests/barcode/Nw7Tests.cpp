#include "BarcodeTestSupport.h"
#include "Nw7Tables.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::labelText;
using testing_support::optionsFor;

namespace {
std::string check(std::string_view value, CheckPattern p, unsigned char start = 'a', unsigned char stop = 'a')
{
    return nw7CheckCharacter(value, start, stop, p);
}
}  // namespace

TEST(StriluxNw7, Modulus16CountsTheStartAndStopCharacters)
{
    // a(16) + 1 2 3 4 5 (15) + a(16) = 47; 16 - 47 % 16 = 1.
    EXPECT_EQ(check("12345", CheckPattern::Auto), "1");
    EXPECT_EQ(check("12345", CheckPattern::Md16), "1");
    // b (17) on both sides: 49, check 15 = "+".
    EXPECT_EQ(check("12345", CheckPattern::Md16, 'b', 'b'), "+");
    // "$" and the yen byte are the same character.
    EXPECT_EQ(check("1$", CheckPattern::Md16), check("1\x5C", CheckPattern::Md16));
}

TEST(StriluxNw7, DigitMethodsIgnoreOtherCharacters)
{
    EXPECT_EQ(check("1234-5", CheckPattern::Md10W3), check("12345", CheckPattern::Md10W3));
    // 5x2 + 4 + 3x2 + 2 + 1x2 = 24.
    EXPECT_EQ(check("12345", CheckPattern::Md10W2), "6");
    EXPECT_EQ(check("12345", CheckPattern::Md10W3), "7");
    // Luhn of 7992739871 is 3.
    EXPECT_EQ(check("7992739871", CheckPattern::Luhn), "3");
    EXPECT_EQ(check("7992739871", CheckPattern::Md10W2), "5");
}

TEST(StriluxNw7, Modulus11UsesTheFirstSixDigits)
{
    // 7x1 + 6x2 + 5x3 + 4x4 + 3x5 + 2x6 = 77: remainder 0 gives "1".
    EXPECT_EQ(check("1234569", CheckPattern::Md11), "1");
    EXPECT_EQ(check("100000", CheckPattern::Md11), "4");
    // 7 + 5 = 12: remainder 1 gives "0".
    EXPECT_EQ(check("101000", CheckPattern::Md11), "0");
    // Fewer than six digits: modulus 10 with weight 3.
    EXPECT_EQ(check("12345", CheckPattern::Md11), "7");
}

TEST(StriluxNw7, WeightedModulus11HasASecondSeriesForRemainderOne)
{
    EXPECT_EQ(check("1", CheckPattern::Md11W), "9");   // 2, r 2
    EXPECT_EQ(check("0", CheckPattern::Md11W), "0");   // r 0
    EXPECT_EQ(check("50", CheckPattern::Md11W), "3");  // 0x2 + 5x6 = 30, r 8
    // 6x2 = 12, r 1; second series 6x9 = 54, r' 10 -> "1".
    EXPECT_EQ(check("6", CheckPattern::Md11W), "1");
    EXPECT_EQ(check("123456789012", CheckPattern::Md11W), "0");  // r 1, r' 0
    // More than twelve characters fall back to modulus 16.
    EXPECT_EQ(check("1234567890123", CheckPattern::Md11W), check("1234567890123", CheckPattern::Md16));
}

TEST(StriluxNw7, SevenCheckIsTheRemainderOfTheWholeNumber)
{
    EXPECT_EQ(check("12345678901234567890", CheckPattern::DR7), "1");
    EXPECT_EQ(check("14", CheckPattern::DR7), "0");
}

TEST(StriluxNw7, DrawsStartValueCheckAndStopWithGaps)
{
    EncodeOptions o = optionsFor(BarcodeType::NW7);
    o.startChar = "b";
    o.stopChar = "c";
    const Symbol s = encode("12", o);
    EXPECT_EQ(s.encoded, "12" + check("12", CheckPattern::Auto, 'b', 'c'));
    EXPECT_EQ(labelText(s), "b12" + s.checkChar + "c");
    EXPECT_EQ(s.elements.size(), 5u * 7 + 4);
    EXPECT_EQ(s.characters, 3);
}

TEST(StriluxNw7, RecordsCharactersOutsideTheSet)
{
    EXPECT_EQ(encode("12X4", optionsFor(BarcodeType::NW7)).error, 5024);
    EXPECT_EQ(encode("12-$:/.+", optionsFor(BarcodeType::NW7)).error, 0);
    EXPECT_EQ(encode("12¥", optionsFor(BarcodeType::NW7)).error, 0);
}
