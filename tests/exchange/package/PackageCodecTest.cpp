#include "FileInfo.h"
#include "ImageName.h"
#include "PackageScheme.h"
#include "PackageText.h"
#include "Scramble.h"
#include "SqlValue.h"
#include "TextLines.h"

#include <gtest/gtest.h>

using namespace sorvik::package;

namespace {

std::string bytes(std::initializer_list<unsigned char> list)
{
    return std::string(list.begin(), list.end());
}

}  // namespace

TEST(PackageTextTest, FileInfoBytesAreThoseOfThePeers)
{
    const std::string text
        = toPackageText(fileInfoLines(QStringLiteral("車両届情報"), QStringLiteral("北辰"), QDate(2026, 12, 9)));
    const std::vector<std::string_view> lines = splitLines(text);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(std::string(lines[1].substr(0, 14)),
              bytes({0x20, 0x8D, 0xEC, 0x20, 0x20, 0x90, 0xAC, 0x20, 0x20, 0x8E, 0xD2, 0x20, 0x81, 0x46}));
    EXPECT_EQ(std::string(lines[2]).substr(14), "2026/12/09");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(PackageTextTest, WindowsCharactersKeepTheirCodes)
{
    EXPECT_EQ(toPackageBytes(QStringLiteral("㈱～－　ｱ")),
              bytes({0x87, 0x8A, 0x81, 0x60, 0x81, 0x7C, 0x81, 0x40, 0xB1}));
    std::u32string bad;
    EXPECT_EQ(toPackageBytes(QStringLiteral("a𠀋b"), &bad), "a?b");
    EXPECT_EQ(bad, std::u32string(1, U'\U0002000B'));
    bool valid = true;
    EXPECT_EQ(fromPackageText(bytes({0x82, 0xA0, '\r', '\n', 0x81}), &valid),
              QStringList({QStringLiteral("あ"), QStringLiteral("�")}));
    EXPECT_FALSE(valid);
}

TEST(ScrambleTest, XorsEveryByteOfEveryLineAndKeepsTheBreaks)
{
    PackageScheme scheme;
    scheme.kind = QStringLiteral("6");
    const std::string scrambled = scrambleText(toPackageText(scheme.lines()));
    EXPECT_EQ(scrambled.substr(0, 8), bytes({0x3E, 0x20, 0x3B, 0x0D, 0x0A, 0x38, 0x0D, 0x0A}));
    EXPECT_EQ(scrambleText(scrambled), toPackageText(scheme.lines()));
    EXPECT_EQ(scrambleText("a\nb\rc"), scrambleText("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(scrambleText(""), "");
}

TEST(PackageSchemeTest, ReadsWhatItWritesAndComparesVersionsAsText)
{
    PackageScheme scheme;
    scheme.kind = QStringLiteral("1");
    scheme.columns = QStringList{"KJCD", "CPNM"};
    scheme.types = QStringList{"N", "S"};
    scheme.imageColumns = QStringList{"SDFILE1", "SIGNFL"};
    const PackageScheme read = PackageScheme::fromLines(scheme.lines());
    EXPECT_EQ(read.columns, scheme.columns);
    EXPECT_EQ(read.types, scheme.types);
    EXPECT_EQ(read.imageColumns, scheme.imageColumns);
    EXPECT_EQ(PackageScheme::fromLines({"0.5", "2"}).columns, QStringList());

    EXPECT_EQ(read.version, kFormatVersion);
    PackageScheme other;
    other.version = QStringLiteral("0.6");
    EXPECT_TRUE(other.isNewerVersion());
    other.version = QStringLiteral("0.10");
    EXPECT_FALSE(other.isNewerVersion());
    EXPECT_EQ(typeLetter(db::Column::Kind::Decimal), "N");
    EXPECT_EQ(typeLetter(db::Column::Kind::Text), "S");
    EXPECT_EQ(typeLetter(db::Column::Kind::Timestamp), "D");
}

TEST(SqlValueTest, NumbersKeepSignAndFractionAndNothingElsePasses)
{
    EXPECT_EQ(SqlNumberOrNull("7.5"), "7.5");
    EXPECT_EQ(SqlNumberOrNull("-1.25"), "-1.25");
    EXPECT_EQ(SqlNumberOrNull("+12"), "12");
    EXPECT_EQ(SqlNumberOrNull(".5"), "0.5");
    EXPECT_EQ(SqlNumberOrNull("8."), "8");
    for (const char *text : {"", "NULL", "12a", "1,000", "1e5", "--1", "1-", "1;drop table KOJI", "０１"})
        EXPECT_EQ(SqlNumberOrNull(text), "NULL") << text;
    EXPECT_EQ(sqlValue("S", "O'Neil"), "'O''Neil'");
    EXPECT_EQ(sqlValue("S", QString("a") + QChar(0x0C) + "b"), "'a\r\nb'");
    EXPECT_EQ(sqlValue("S", "NULL"), "NULL");
    EXPECT_EQ(sqlValue("D", "2026/04/01"), "'2026/04/01'");
    EXPECT_EQ(sqlValue("N", "7.5"), "7.5");
    EXPECT_EQ(sqlValue("X", "3"), "3");
}

TEST(ImageNameTest, OnlyBareNamesAreFileNames)
{
    for (const char *name : {"KAO00012.JPG", "kao00012.jpg", "写真.JPG"})
        EXPECT_TRUE(isBareImageName(name)) << name;
    for (const char *name :
         {"", "/home/x/.ssh/id_rsa", "../x.jpg", "..", "a/b.jpg", "C:\\x.jpg", "C:x.jpg", "dir\\x.jpg", "x..jpg"})
        EXPECT_FALSE(isBareImageName(name)) << name;
}
