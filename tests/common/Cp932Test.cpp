#include "Cp932.h"

#include <gtest/gtest.h>

using namespace sorvik;

TEST(Cp932Test, WindowsMappingsOfTheSignsSitesUse)
{
    // ㈱ ～ － and the ideographic space as Windows writes them, not as JIS X 0208 would.
    EXPECT_EQ(cp932::fromUtf8("㈱"), "\x87\x8A");
    EXPECT_EQ(cp932::fromUtf8("～"), "\x81\x60");
    EXPECT_EQ(cp932::fromUtf8("－"), "\x81\x7C");
    EXPECT_EQ(cp932::fromUtf8("\u3000"), "\x81\x40");
    EXPECT_EQ(cp932::fromUtf8(" 作  成  者 ："), "\x20\x8D\xEC\x20\x20\x90\xAC\x20\x20\x8E\xD2\x20\x81\x46");
    EXPECT_EQ(cp932::fromUtf8("ｱｲｳ"), "\xB1\xB2\xB3");
    EXPECT_EQ(cp932::toUtf8("\x87\x8A\x81\x60\xB1"), "㈱～ｱ");
}

TEST(Cp932Test, UnencodableCharactersBecomeAQuestionMarkAndAreNamed)
{
    std::u32string bad;
    EXPECT_EQ(cp932::fromUtf8("山𠮷田😀", &bad), "\x8E\x52?\x93\x63?");
    EXPECT_EQ(bad, U"𠮷😀");
    EXPECT_FALSE(cp932::fromUtf8Exact("𠮷").has_value());
    EXPECT_EQ(cp932::fromUtf8Exact("山田").value(), "\x8E\x52\x93\x63");
    bad.clear();
    EXPECT_EQ(cp932::fromUtf8("a\xFF" "b", &bad), "a?b");
    EXPECT_EQ(bad, U"\uFFFD");
}

TEST(Cp932Test, InvalidBytesDecodeAsReplacementCharacters)
{
    bool valid = true;
    EXPECT_EQ(cp932::toUtf8("a\x81", &valid), "a\uFFFD");  // a lead byte cut off at the end
    EXPECT_FALSE(valid);
    EXPECT_FALSE(cp932::toUtf8Exact("\xA0\xFF").has_value());
    EXPECT_EQ(cp932::toUtf8Exact("\x95\x5C").value(), "表");  // second byte is '\'
}

TEST(Cp932Test, LeadBytes)
{
    EXPECT_TRUE(cp932::isLeadByte(0x81));
    EXPECT_TRUE(cp932::isLeadByte(0x9F));
    EXPECT_TRUE(cp932::isLeadByte(0xE0));
    EXPECT_TRUE(cp932::isLeadByte(0xFC));
    EXPECT_FALSE(cp932::isLeadByte(0x5C));
    EXPECT_FALSE(cp932::isLeadByte(0xA0));
    EXPECT_FALSE(cp932::isLeadByte(0xB1));  // half-width katakana stand alone
}
