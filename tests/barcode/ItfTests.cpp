#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::labelText;
using testing_support::optionsFor;
using testing_support::unitString;

TEST(StriluxItfFree, MakesTheDigitCountEvenInFront)
{
    const auto o = optionsFor(BarcodeType::ITF);
    EXPECT_EQ(encode("123", o).encoded, "1236");
    EXPECT_EQ(encode("1234", o).encoded, "012348");
    EXPECT_EQ(encode("123", optionsFor(BarcodeType::ITF, CheckCharMode::No)).encoded, "0123");
    EXPECT_EQ(encode("1234", optionsFor(BarcodeType::ITF, CheckCharMode::No)).encoded, "1234");
}

TEST(StriluxItfFixed, FitsToTheTypeLength)
{
    EXPECT_EQ(encode("12345", optionsFor(BarcodeType::ITF6)).encoded, "123457");
    EXPECT_EQ(encode("1234567890123", optionsFor(BarcodeType::ITF14)).encoded, "12345678901231");
    EXPECT_EQ(encode("1", optionsFor(BarcodeType::ITF16)).encoded, "1000000000000007");
}

TEST(StriluxItf, InterleavesPairsBetweenStartAndStop)
{
    const Symbol s = encode("12", optionsFor(BarcodeType::ITF, CheckCharMode::No));
    // start 1010, then 1 (WNNNW) in bars with 2 (NWNNW) in spaces, stop: wide bar, space, bar.
    EXPECT_EQ(unitString(s),
              "1010"
              "11"
              "0"
              "1"
              "00"
              "1"
              "0"
              "1"
              "0"
              "11"
              "00"
              "11"
              "0"
              "1");
    // 4 start units + 8 per digit + stop (2.5 + 1 + 1) and the margins make 8 x digits + 28.
    int narrow = 0, wide = 0;
    for (const auto &e : s.elements)
        (e.width == ElementWidth::Wide ? wide : narrow) += 1;
    EXPECT_EQ(narrow + wide, 4 + 10 + 3);
    EXPECT_EQ(wide, 4 + 1);
}

TEST(StriluxItf, GroupsTheTextFromTheEnd)
{
    const Symbol s = encode("1234567890123", optionsFor(BarcodeType::ITF14));
    EXPECT_EQ(labelText(s), "123 45678 90123 1");
}
