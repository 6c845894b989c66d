// Every type encodes values up to its maximum length; longer ones are cut and reported.
#include "BarcodeTestSupport.h"
#include "TypeLimits.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::optionsFor;

namespace {

// Characters every type accepts one by one.
std::string valueOf(BarcodeType type, std::size_t length)
{
    return std::string(length, type == BarcodeType::Custom || isJanOrUpc(type) || isItf(type) ? '1' : '7');
}

}  // namespace

TEST(StriluxValueLimits, Code128WithTensOfThousandsOfDigitsIsRefusedNotCrashed)
{
    for (const std::size_t digits : {20000u, 50000u}) {
        const Symbol symbol = encode(std::string(digits, '9'), optionsFor(BarcodeType::Code128));
        EXPECT_EQ(symbol.error, 5024) << digits;
        // The start, the pairs of the longest value, the check symbol and the stop.
        const std::size_t limit = std::size_t(limits::maxValueLength(BarcodeType::Code128));
        EXPECT_EQ(symbol.symbolCount, int(1 + limit / 2)) << digits;
        EXPECT_EQ(symbol.encoded.size(), limit);
    }
}

TEST(StriluxValueLimits, Code128CheckSymbolOfTheLongestValueIsModulo103)
{
    // 128 pairs "99": start C (105) + 99 x (1 + 2 + ... + 128) = 105 + 99 x 8256, modulo 103.
    const std::size_t limit = std::size_t(limits::maxValueLength(BarcodeType::Code128));
    ASSERT_EQ(limit, 256u);
    const Symbol symbol = encode(std::string(limit, '9'), optionsFor(BarcodeType::Code128));
    EXPECT_EQ(symbol.error, 0);
    const int check = int((105 + 99LL * 8256) % 103);
    EXPECT_EQ(symbol.checkChar, std::string(1, char(' ' + check)));
}

TEST(StriluxValueLimits, EachTypeTakesItsLongestValueAndRefusesOneMore)
{
    for (int t = 0; t < kTypeCount; ++t) {
        const auto type = BarcodeType(t);
        const std::size_t limit = std::size_t(limits::maxValueLength(type));
        ASSERT_GE(limit, 20u) << t;
        EncodeOptions options = optionsFor(type);
        const Symbol atLimit = encode(valueOf(type, limit), options);
        EXPECT_EQ(atLimit.error, 0) << "type " << t;
        const Symbol beyond = encode(valueOf(type, limit + 1), options);
        EXPECT_EQ(beyond.error, 5024) << "type " << t;
        // What is drawn is the value cut at the limit.
        EXPECT_EQ(beyond.elements.size(), atLimit.elements.size()) << "type " << t;
    }
}
