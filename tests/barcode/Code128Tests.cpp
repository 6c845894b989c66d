#include "BarcodeTestSupport.h"
#include "Code128Tokenizer.h"

#include <gtest/gtest.h>

using namespace strilux;
using testing_support::labelText;
using testing_support::optionsFor;

namespace {
// "C12 C34 BA BB": set letter and token of every symbol.
std::string tokens(std::string_view value, CodeSet start = CodeSet::NotSet)
{
    std::string out;
    for (const auto &s : tokenizeCode128(value, start).symbols)
        out += (out.empty() ? "" : " ") + std::string(1, "ABC"[int(s.set)]) + s.text;
    return out;
}

EncodeOptions code128(CodeSet set = CodeSet::NotSet)
{
    EncodeOptions o = optionsFor(BarcodeType::Code128);
    o.codeSet = set;
    return o;
}
}  // namespace

TEST(StriluxCode128Tokens, ChooseTheCodeSetByTheLongestToken)
{
    EXPECT_EQ(tokens("1234AB"), "C12 C34 BA BB");
    EXPECT_EQ(tokens("AB1234"), "BA BB B1 B2 B3 B4");
    EXPECT_EQ(tokens("123"), "C12 B3");
    EXPECT_EQ(tokens("R1"), "AR A1");
    EXPECT_EQ(tokens("S1"), "BS B1");
    EXPECT_EQ(tokens(" a"), "A  Ba");
    EXPECT_EQ(tokens("%1"), "A% A1");
}

TEST(StriluxCode128Tokens, StartFromTheGivenCodeSet)
{
    EXPECT_EQ(tokens("ABC", CodeSet::A), "AA AB AC");
    EXPECT_EQ(tokens("12", CodeSet::B), "B1 B2");
    EXPECT_EQ(tokens("ab", CodeSet::C), "Ba Bb");
    // Set A does not turn letters that follow into an escape.
    EXPECT_EQ(tokens("CR1", CodeSet::A), "AC AR A1");
}

TEST(StriluxCode128Tokens, ReadEscapes)
{
    EXPECT_EQ(tokens("~~"), "B~~");
    EXPECT_EQ(tokens("~CODEC1234"), "C12 C34");
    EXPECT_EQ(tokens("A~CR~FNC1"), "BA A~CR A~FNC1");
    EXPECT_EQ(tokens("a\x7F"), "Ba B\x7F");
    EXPECT_EQ(tokens("\x01"
                     "A"),
              "A\x01 AA");
}

TEST(StriluxCode128Tokens, ALeadingLoneTildeSelectsCodeSetA)
{
    EXPECT_EQ(tokens("~ABC"), "AA AB AC");
    EXPECT_FALSE(tokenizeCode128("~AB\xC3", CodeSet::NotSet).invalidCharacter);
    EXPECT_TRUE(tokenizeCode128("AB\xC3", CodeSet::NotSet).invalidCharacter);
    EXPECT_TRUE(tokenizeCode128("AB~X", CodeSet::NotSet).invalidCharacter);
}

TEST(StriluxCode128, InsertsCodeSetSwitchesAndTheCheckSymbol)
{
    const Symbol s = encode("1234AB", code128());
    // START C, 12, 34, CODE B, A, B = 6 symbols; check and stop are counted apart.
    EXPECT_EQ(s.symbolCount, 6);
    EXPECT_EQ(testing_support::moduleCount(s), 11 * 6 + 24);
    // 105 + 12x1 + 34x2 + 100x3 + 33x4 + 34x5 = 787, 787 % 103 = 66.
    EXPECT_EQ(s.checkChar, std::string(1, char(32 + 66)));
    EXPECT_EQ(s.error, 0);
}

TEST(StriluxCode128, PrintsPrintableTokensOnly)
{
    EXPECT_EQ(labelText(encode("A~CRb~~", code128())), "Ab~");
    EXPECT_EQ(labelText(encode("~FNC1"
                               "0112",
                               code128())),
              "0112");
}

TEST(StriluxCode128, AdvancesNumericTextByOneCharacterWidth)
{
    EXPECT_EQ(encode("1A", code128()).line.advanceHalves, 2);
    EXPECT_EQ(encode("A1", code128()).line.advanceHalves, 2);
    EXPECT_EQ(encode("AB", code128()).line.advanceHalves, 3);
    EXPECT_EQ(encode("AB", code128(CodeSet::C)).line.advanceHalves, 2);
    EXPECT_EQ(encode("12", code128(CodeSet::B)).line.advanceHalves, 3);
}

TEST(StriluxCode128, RecordsCharactersInNoCodeSet)
{
    EXPECT_EQ(encode("AB漢", code128()).error, 5024);
    EXPECT_EQ(encode("~AB漢", code128()).error, 0);
}
