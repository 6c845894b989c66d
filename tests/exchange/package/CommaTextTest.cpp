#include "CommaText.h"
#include "ValueEncoding.h"

#include <gtest/gtest.h>

using namespace sorvik::package;

namespace {

QString line(const QStringList &items)
{
    return writeCommaText(items);
}

}  // namespace

TEST(CommaTextTest, QuotesOnlyForBlanksControlsQuotesAndCommas)
{
    EXPECT_EQ(line({"abc", "㈱北辰", "ﾀﾞﾝﾌﾟ"}), "abc,㈱北辰,ﾀﾞﾝﾌﾟ");
    EXPECT_EQ(line({"a,b"}), "\"a,b\"");
    EXPECT_EQ(line({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(line({"two words"}), "\"two words\"");
    EXPECT_EQ(line({QString("a") + QChar(0x0C) + "b"}), QString("\"a") + QChar(0x0C) + "b\"");
    // U+3000 is an ordinary character: neither quoted nor trimmed.
    EXPECT_EQ(line({"　山田　"}), "　山田　");
}

TEST(CommaTextTest, EmptyItemsAreNothingExceptALoneOne)
{
    EXPECT_EQ(line({"a", "", "b"}), "a,,b");
    EXPECT_EQ(line({"a", ""}), "a,");
    EXPECT_EQ(line({""}), "\"\"");
    EXPECT_EQ(line({"", ""}), ",");
    EXPECT_EQ(line({}), "");
}

TEST(CommaTextTest, ReadingInvertsWriting)
{
    const QList<QStringList> cases = {
        {"a", "", "b"},
        {"a", ""},
        {""},
        {"", ""},
        {" lead", "trail "},
        {"x\"y", "\"", ","},
        {"　全角　"},
        {QString("memo") + QChar(0x0C) + "line 2"},
        {"1", "-7.5", "0010000000"},
    };
    for (const QStringList &items : cases)
        EXPECT_EQ(readCommaText(writeCommaText(items)), items) << writeCommaText(items).toStdString();
}

TEST(CommaTextTest, ReadsAsThePeersStringListDoes)
{
    EXPECT_EQ(readCommaText(u"  a , b ,c"), QStringList({"a", "b", "c"}));
    // An unquoted blank separates items as a comma does.
    EXPECT_EQ(readCommaText(u"a b"), QStringList({"a", "b"}));
    EXPECT_EQ(readCommaText(u"\"ab\"cd,e"), QStringList({"ab", "cd", "e"}));
    EXPECT_EQ(readCommaText(u"\"unclosed, still"), QStringList({"unclosed, still"}));
    EXPECT_EQ(readCommaText(u"a,"), QStringList({"a", ""}));
    EXPECT_EQ(readCommaText(u",,"), QStringList({"", "", ""}));
    EXPECT_EQ(readCommaText(u""), QStringList());
    EXPECT_EQ(readCommaText(QString("a,b") + QChar(0) + ",c"), QStringList({"a", "b"}));
}

TEST(ValueEncodingTest, OneLineWithoutTrailingBlanks)
{
    EXPECT_EQ(encodeValue("line 1\r\nline 2"), QString("line 1") + QChar(0x0C) + "line 2");
    EXPECT_EQ(encodeValue("a\nb\rc"), QString("a") + QChar(0x0C) + "b" + QChar(0x0C) + "c");
    EXPECT_EQ(encodeValue("trailing  \r\n\t"), "trailing");
    EXPECT_EQ(encodeValue("  leading"), "  leading");
    EXPECT_EQ(encodeValue("全角空白　"), "全角空白　");
    // Controls that would break a scrambled line (0x03, 0x04 become CR, LF) are dropped.
    EXPECT_EQ(encodeValue(QString("a") + QChar(3) + QChar(4) + QChar(0x0E) + "b"), "ab");
    EXPECT_EQ(decodeValue(QString("a") + QChar(0x0C) + "b"), "a\r\nb");
}
