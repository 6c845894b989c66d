#include "BarcodePeers.h"
#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::optionsFor;

namespace {
std::string bars(const Symbol &s)
{
    std::string out;
    for (PostalBar b : s.postalBars)
        out += char('0' + int(b));
    return out;
}
}  // namespace

TEST(StriluxCustomerBarcode, HasStartTwentyCodesCheckAndStop)
{
    const Symbol s = encode("1530001", optionsFor(BarcodeType::Custom));
    ASSERT_EQ(s.postalBars.size(), 23u * 3);
    EXPECT_EQ(bars(s).substr(0, 3), "013");
    EXPECT_EQ(bars(s).substr(66), "310");
    // 1 5 3 0 0 0 1 and thirteen CC4 (14): 10 + 182 = 192, 192 % 19 = 2, check 17 = CC7.
    EXPECT_EQ(bars(s).substr(63, 3), "441");
    EXPECT_TRUE(s.labels.empty());
    EXPECT_TRUE(s.line.cells.empty());
}

TEST(StriluxCustomerBarcode, LettersAreAControlCodeAndADigit)
{
    const Symbol letter = encode("1A", optionsFor(BarcodeType::Custom));
    const Symbol codes = encode("1\xEF\xBE\x81"
                                "0",
                                optionsFor(BarcodeType::Custom));  // ﾁ = CC1
    EXPECT_EQ(bars(letter), bars(codes));
    EXPECT_EQ(encode("1z", optionsFor(BarcodeType::Custom)).postalBars,
              encode("1Z", optionsFor(BarcodeType::Custom)).postalBars);
}

TEST(StriluxCustomerBarcode, KeepsOnlyTheFirstTwentyCodes)
{
    const auto o = optionsFor(BarcodeType::Custom);
    EXPECT_EQ(bars(encode("12345678901234567890", o)), bars(encode("123456789012345678901234", o)));
    EXPECT_EQ(encode("123*4", o).error, 5024);
}

TEST(StriluxCustomerBarcode, MatchesZintForAddresses)
{
    const std::vector<std::string> addresses = {
        "1530001",        "2630023",           "0640941",       "1000013",        "1530001-2-3-4",  "0600906",
        "9000000",        "5900111",           "3170055-1-2-3", "1050011-4-20-3", "1000005-1-1-1",  "0200021",
        "6100101-12A-34", "4600001-1-1-101",   "1620063-3-11",  "9800811-10-1",   "2620004-3-2-1C", "1130033-7-3-1",
        "0010010-10-10",  "5300001-1-2-3-4-5", "1000001-1-1",   "8120011-2-9",    "9071801",        "0600042-2-KZ",
    };
    int checked = 0;
    for (const auto &a : addresses) {
        const std::string expected = peers::zintJapanPostBars(a);
        ASSERT_FALSE(expected.empty()) << "zint gave no bars for " << a;
        std::string ours = bars(encode(a, optionsFor(BarcodeType::Custom)));
        // Our start and stop codes keep their empty third slot; zint leaves it out.
        ours.erase(std::remove(ours.begin(), ours.end(), '0'), ours.end());
        EXPECT_EQ(ours, expected) << a;
        ++checked;
    }
    std::printf("[ peers    ] %d customer barcodes match zint\n", checked);
}
