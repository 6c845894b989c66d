#include "BarcodeTestSupport.h"
#include "CheckDigits.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::labelText;
using testing_support::moduleCount;
using testing_support::optionsFor;
using testing_support::unitString;

TEST(StriluxUpcA, EncodesTwelveDigitsInOneHundredNineModules)
{
    const Symbol s = encode("03600029145", optionsFor(BarcodeType::UPCA));
    EXPECT_EQ(s.encoded, "036000291452");
    EXPECT_EQ(moduleCount(s), 109);
    EXPECT_EQ(labelText(s), "036000291452");
}

TEST(StriluxUpcA, DrawsTheFirstAndLastDigitAtGuardLengthAndPrintsThemInTheMargins)
{
    const Symbol s = encode("036000291452", optionsFor(BarcodeType::UPCA));
    int guardBars = 0;
    for (const auto &e : s.elements)
        guardBars += e.bar && e.guard;
    EXPECT_EQ(guardBars, 6 + 2 + 2);
    EXPECT_EQ(s.labels.front().firstElement, 0u);
    EXPECT_TRUE(s.labels.back().shiftLeft);
    EXPECT_EQ(s.labels.back().endElement, s.elements.size());
}

TEST(StriluxUpcE, ExpandsForTheCheckDigit)
{
    EXPECT_EQ(expandUpcE("0123450"), "01200000345");
    EXPECT_EQ(expandUpcE("0123453"), "01230000045");
    EXPECT_EQ(expandUpcE("0123454"), "01234000005");
    EXPECT_EQ(expandUpcE("0123456"), "01234500006");
}

TEST(StriluxUpcE, PadsToEightDigitsAndPlacesTheCheckDigit)
{
    const Symbol s = encode("0123456", optionsFor(BarcodeType::UPCE));
    EXPECT_EQ(s.encoded, "01234565");
    EXPECT_EQ(moduleCount(s), 65);
    const std::string units = unitString(s);
    EXPECT_EQ(units.substr(52, 6), "010101");
    // Check digit 5 selects G L L G G L; data digit 1 in set G.
    EXPECT_EQ(units.substr(10, 7), "0110011");
}

TEST(StriluxUpcE, WithoutCheckKeepsTheGivenCheckDigit)
{
    EXPECT_EQ(encode("01234569", optionsFor(BarcodeType::UPCE, CheckCharMode::No)).encoded, "01234569");
}
