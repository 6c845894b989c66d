#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::labelText;
using testing_support::moduleCount;
using testing_support::optionsFor;
using testing_support::unitString;

TEST(StriluxJan13, ComputesTheCheckDigitInPlaceOfTheLastDigit)
{
    const auto o = optionsFor(BarcodeType::JAN13);
    EXPECT_EQ(encode("490123456789", o).encoded, "4901234567894");
    EXPECT_EQ(encode("4901234567890", o).encoded, "4901234567894");
    EXPECT_EQ(checkCharacter("490123456789", o), "4");
}

TEST(StriluxJan13, WithoutCheckEncodesTheValueAsGiven)
{
    const auto o = optionsFor(BarcodeType::JAN13, CheckCharMode::No);
    EXPECT_EQ(encode("4901234567890", o).encoded, "4901234567890");
    EXPECT_EQ(checkCharacter("4901234567890", o), "");
}

TEST(StriluxJan13, PadsAShortValueWithZerosBeforeTheCheckDigit)
{
    const auto o = optionsFor(BarcodeType::JAN13);
    // 4901234 00000 then the check digit of 490123400000.
    EXPECT_EQ(encode("4901234", o).encoded, "4901234000001");
    EXPECT_EQ(encode("49012345678901234", o).encoded, "4901234567894");
}

TEST(StriluxJan13, HasItsModulesMarginsAndParity)
{
    const Symbol s = encode("4901234567894", optionsFor(BarcodeType::JAN13));
    EXPECT_EQ(moduleCount(s), 113);
    const std::string units = unitString(s);
    EXPECT_EQ(units.substr(0, 11), std::string(11, '0'));
    EXPECT_EQ(units.substr(11, 3), "101");
    // First digit 4: parities L G L L G G; digit 9 in set L.
    EXPECT_EQ(units.substr(14, 7), "0001011");
    EXPECT_EQ(units.substr(21, 7), "0100111");  // 0 in set G
    EXPECT_EQ(units.substr(56, 5), "01010");
    EXPECT_EQ(units.substr(103, 3), "101");
    EXPECT_EQ(units.substr(106), std::string(7, '0'));
    EXPECT_EQ(labelText(s), "4901234567894");
    // The first digit is printed in the left margin.
    EXPECT_EQ(s.labels[0].firstElement, 0u);
    EXPECT_EQ(s.labels[0].endElement, 1u);
}

TEST(StriluxJan13, RecordsAnInvalidCharacter)
{
    const Symbol s = encode("49012A3456789", optionsFor(BarcodeType::JAN13));
    EXPECT_EQ(s.error, 5024);
    EXPECT_EQ(encode("490123456789", optionsFor(BarcodeType::JAN13)).error, 0);
    EXPECT_EQ(encode("４９０", optionsFor(BarcodeType::JAN13)).error, 5024);
}

TEST(StriluxJan8, HasEightyOneModulesAndEveryDigitLabelled)
{
    const Symbol s = encode("4901234", optionsFor(BarcodeType::JAN8));
    EXPECT_EQ(s.encoded, "49012347");
    EXPECT_EQ(moduleCount(s), 81);
    EXPECT_EQ(s.labels.size(), 8u);
    EXPECT_EQ(unitString(s).substr(7, 3), "101");
}

TEST(StriluxJan, GuardBarsAreMarkedAndDigitBarsAreNot)
{
    const Symbol s = encode("4901234567894", optionsFor(BarcodeType::JAN13));
    int guardBars = 0;
    for (const auto &e : s.elements)
        guardBars += e.bar && e.guard;
    EXPECT_EQ(guardBars, 6);
}
