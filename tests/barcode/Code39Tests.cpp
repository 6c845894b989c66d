#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::labelText;
using testing_support::optionsFor;

TEST(StriluxCode39, AppendsTheModulus43Character)
{
    // C(12) O(24) D(13) E(14) 3 9 = 75, 75 % 43 = 32 = "W".
    const Symbol s = encode("CODE39", optionsFor(BarcodeType::Code39));
    EXPECT_EQ(s.encoded, "CODE39W");
    EXPECT_EQ(s.checkChar, "W");
    EXPECT_EQ(encode("CODE39", optionsFor(BarcodeType::Code39, CheckCharMode::No)).encoded, "CODE39");
}

TEST(StriluxCode39, LowerCaseEncodesAsUpperCaseButPrintsAsTyped)
{
    const Symbol lower = encode("code39", optionsFor(BarcodeType::Code39));
    const Symbol upper = encode("CODE39", optionsFor(BarcodeType::Code39));
    EXPECT_EQ(lower.checkChar, "W");
    EXPECT_EQ(testing_support::unitString(lower), testing_support::unitString(upper));
    EXPECT_EQ(labelText(lower), "*code39W*");
}

TEST(StriluxCode39, SeparatesCharactersByTheGap)
{
    const Symbol s = encode("$005-012%", optionsFor(BarcodeType::Code39, CheckCharMode::No));
    EXPECT_EQ(s.error, 0);
    EXPECT_EQ(s.characters, 9);
    int gaps = 0;
    for (const auto &e : s.elements)
        gaps += e.width == ElementWidth::Gap;
    EXPECT_EQ(gaps, 10);
    EXPECT_EQ(s.elements.size(), 11u * 9 + 10);
}

TEST(StriluxCode39, RecordsCharactersOutsideTheSet)
{
    EXPECT_EQ(encode("AB#C", optionsFor(BarcodeType::Code39)).error, 5024);
    EXPECT_EQ(encode("AB#C", optionsFor(BarcodeType::Code39)).encoded,
              "ABC" + encode("ABC", optionsFor(BarcodeType::Code39)).checkChar);
}
