// Number formats as Excel shows them on Japanese site forms.
#include "NumberFormat.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace celvane;

namespace {

QString shown(double value, const QString &code)
{
    return NumberFormat(code).format(value).text;
}

constexpr double kApril1st2024 = 45383;  // a Monday

TEST(NumberFormat, JapaneseErasAndWeekdays)
{
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("[$-411]ggge\"年\"m\"月\"d\"日\"")), QStringLiteral("令和6年4月1日"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("[$-411]ge.m.d")), QStringLiteral("R6.4.1"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("gge\"年\"")), QStringLiteral("令6年"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("[$-411]ggg ee\"年\"")), QStringLiteral("令和 06年"));
    // The first days of an era belong to it; the day before is the old era's last year.
    EXPECT_EQ(shown(43586, QStringLiteral("ggge\"年\"m\"月\"d\"日\"")), QStringLiteral("令和1年5月1日"));
    EXPECT_EQ(shown(43585, QStringLiteral("ggge\"年\"m\"月\"d\"日\"")), QStringLiteral("平成31年4月30日"));
    EXPECT_EQ(shown(32516, QStringLiteral("ggge\"年\"")), QStringLiteral("平成1年"));  // 1989-01-08
    EXPECT_EQ(shown(32515, QStringLiteral("ggge\"年\"")), QStringLiteral("昭和64年"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("m\"月\"d\"日\"(aaa)")), QStringLiteral("4月1日(月)"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("aaaa")), QStringLiteral("月曜日"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("[$-411]ggge\"年\"m\"月\"d\"日\" dddd")),
              QStringLiteral("令和6年4月1日 月曜日"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("[$-411]ddd")), QStringLiteral("月"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("dddd, mmmm d, yyyy")), QStringLiteral("Monday, April 1, 2024"));
    EXPECT_EQ(shown(kApril1st2024, QStringLiteral("[$-F800]dddd\\,\\ mmmm\\ dd\\,\\ yyyy")),
              QStringLiteral("2024年4月1日"));
}

TEST(NumberFormat, BuiltInJapaneseIdsAreDates)
{
    for (int id : {27, 36, 50, 57})
        EXPECT_EQ(shown(kApril1st2024, NumberFormat::builtin(id)), QStringLiteral("R6.4.1")) << id;
    for (int id : {28, 29, 51, 54, 58})
        EXPECT_EQ(shown(kApril1st2024, NumberFormat::builtin(id)), QStringLiteral("令和6年4月1日")) << id;
    EXPECT_EQ(shown(kApril1st2024, NumberFormat::builtin(31)), QStringLiteral("2024年4月1日"));
    EXPECT_EQ(shown(kApril1st2024, NumberFormat::builtin(14)), QStringLiteral("2024/4/1"));
    EXPECT_EQ(shown(kApril1st2024, NumberFormat::builtin(52)), QStringLiteral("2024年4月"));
    EXPECT_EQ(shown(kApril1st2024, NumberFormat::builtin(56)), QStringLiteral("4月1日"));
    EXPECT_EQ(shown(0.5 + 5.0 / 1440, NumberFormat::builtin(32)), QStringLiteral("12時05分"));
    EXPECT_EQ(shown(-1234, NumberFormat::builtin(38)), QStringLiteral("(1,234)"));
    EXPECT_EQ(NumberFormat(NumberFormat::builtin(38)).format(-1234).colorIndex, 10);
    EXPECT_EQ(shown(1234, NumberFormat::builtin(38)), QStringLiteral("1,234 "));
    EXPECT_EQ(shown(-1234.5, NumberFormat::builtin(39)), QStringLiteral("(1,234.50)"));
}

TEST(NumberFormat, TimesAndElapsedHours)
{
    EXPECT_EQ(shown(40.0 / 24, QStringLiteral("[h]:mm")), QStringLiteral("40:00"));
    EXPECT_EQ(shown(1413.75 / 24, QStringLiteral("[h]:mm")), QStringLiteral("1413:45"));
    EXPECT_EQ(shown(90.5 / 1440, QStringLiteral("[m]:ss")), QStringLiteral("90:30"));
    EXPECT_EQ(shown(0.75, QStringLiteral("h:mm AM/PM")), QStringLiteral("6:00 PM"));
    EXPECT_EQ(shown(0.75, QStringLiteral("[$-411]AM/PM h:mm")), QStringLiteral("午後 6:00"));
    EXPECT_EQ(shown(0.5, QStringLiteral("hh:mm:ss")), QStringLiteral("12:00:00"));
    // 23:59:59.6 shown in whole seconds is the next minute, as Excel rounds it.
    EXPECT_EQ(shown((86399.6) / 86400, QStringLiteral("h:mm:ss")), QStringLiteral("0:00:00"));
    EXPECT_EQ(shown(1.5 / 86400, QStringLiteral("mm:ss.0")), QStringLiteral("00:01.5"));
    EXPECT_TRUE(NumberFormat(QStringLiteral("yyyy/m/d")).format(-1).overflow);
}

TEST(NumberFormat, SectionsConditionsAndColours)
{
    const QString accounts = QStringLiteral("#,##0;[Red]\\-#,##0;\"ー\"");
    EXPECT_EQ(shown(1500, accounts), QStringLiteral("1,500"));
    EXPECT_EQ(shown(-1500, accounts), QStringLiteral("-1,500"));
    EXPECT_EQ(NumberFormat(accounts).format(-1500).colorIndex, 10);
    EXPECT_EQ(shown(0, accounts), QStringLiteral("ー"));
    EXPECT_EQ(shown(0, QStringLiteral("#,##0;-#,##0;")), QString());  // zero shown blank
    EXPECT_EQ(shown(-3, QStringLiteral("0;;0")), QString());
    const QString postal = QStringLiteral("[<=999]000;[<=9999]000-00;000-0000");
    EXPECT_EQ(shown(1500001, postal), QStringLiteral("150-0001"));
    EXPECT_EQ(shown(12, postal), QStringLiteral("012"));
    EXPECT_EQ(shown(1234, postal), QStringLiteral("012-34"));
    EXPECT_EQ(shown(-5, QStringLiteral("[<0]\"不足\"0;0")), QStringLiteral("不足5"));
    EXPECT_EQ(NumberFormat(QStringLiteral("[Blue]0;[Color 10]0")).format(-1).colorIndex, 17);
    EXPECT_TRUE(NumberFormat(QStringLiteral("[>100]0;[<-100]0")).format(5).overflow);
}

TEST(NumberFormat, DigitsTextAndPadding)
{
    EXPECT_EQ(shown(1234567, QStringLiteral("#,##0")), QStringLiteral("1,234,567"));
    EXPECT_EQ(shown(0.5, QStringLiteral("#.00")), QStringLiteral(".50"));
    EXPECT_EQ(shown(3.1, QStringLiteral("0.0#")), QStringLiteral("3.1"));
    EXPECT_EQ(shown(3.1, QStringLiteral("0.0?")), QStringLiteral("3.1 "));
    EXPECT_EQ(shown(2.675, QStringLiteral("0.00")), QStringLiteral("2.68"));  // decimal, not binary, rounding
    EXPECT_EQ(shown(1234567, QStringLiteral("#,##0,\"千円\"")), QStringLiteral("1,235千円"));
    EXPECT_EQ(shown(0.256, QStringLiteral("0.0%")), QStringLiteral("25.6%"));
    EXPECT_EQ(shown(12345, QStringLiteral("0.00E+00")), QStringLiteral("1.23E+04"));
    EXPECT_EQ(shown(0.00012, QStringLiteral("0.0E+0")), QStringLiteral("1.2E-4"));
    EXPECT_EQ(shown(12345, QStringLiteral("##0.0E+0")), QStringLiteral("12.3E+3"));
    EXPECT_EQ(shown(1.5, QStringLiteral("# ?/?")), QStringLiteral("1 1/2"));
    EXPECT_EQ(shown(0.3333, QStringLiteral("?/?")), QStringLiteral("1/3"));
    EXPECT_EQ(shown(2.25, QStringLiteral("# ?/4")), QStringLiteral("2 1/4"));
    EXPECT_EQ(shown(312, QStringLiteral("0_);(0)")), QStringLiteral("312 "));
    EXPECT_EQ(shown(5, QStringLiteral("\"第\"0\"号\"")), QStringLiteral("第5号"));
    EXPECT_EQ(shown(-5, QStringLiteral("\"¥\"#,##0")), QStringLiteral("-¥5"));

    const NumberFormat honorific(QStringLiteral("@\" 殿\""));
    EXPECT_EQ(honorific.formatText(QStringLiteral("山田太郎")).text, QStringLiteral("山田太郎 殿"));
    EXPECT_EQ(NumberFormat(QStringLiteral("0;-0;0;\"【\"@\"】\"")).formatText(QStringLiteral("済")).text,
              QStringLiteral("【済】"));
    EXPECT_EQ(NumberFormat(QStringLiteral("0.0")).formatText(QStringLiteral("abc")).text, QStringLiteral("abc"));

    const FormattedValue filled = NumberFormat(NumberFormat::builtin(42)).format(1234);
    EXPECT_EQ(filled.text, QStringLiteral(" ¥1,234 "));
    EXPECT_EQ(filled.fillAt, 2);
    EXPECT_EQ(filled.fillCharacter, QChar(u' '));
    EXPECT_EQ(NumberFormat(QStringLiteral("0*-")).format(7).fillCharacter, QChar(u'-'));
}

TEST(NumberFormat, GeneralFitsElevenCharacters)
{
    EXPECT_EQ(shown(1234.5, QStringLiteral("General")), QStringLiteral("1234.5"));
    EXPECT_EQ(shown(1.0 / 3, QStringLiteral("General")), QStringLiteral("0.333333333"));
    EXPECT_EQ(shown(-1.0 / 3, QStringLiteral("General")), QStringLiteral("-0.33333333"));
    EXPECT_EQ(shown(123456789012.0, QStringLiteral("General")), QStringLiteral("1.23457E+11"));
    EXPECT_EQ(shown(1e-12, QStringLiteral("General")), QStringLiteral("1E-12"));
    EXPECT_EQ(shown(42, QStringLiteral("General\"人\"")), QStringLiteral("42人"));
    EXPECT_EQ(NumberFormat::general(123456.789, 6), QStringLiteral("123457"));
    EXPECT_EQ(NumberFormat::general(123456789, 4), QString());
}

TEST(NumberFormat, HostileCodesStayHarmless)
{
    for (const QString &code : {QStringLiteral("\""), QStringLiteral("["), QStringLiteral("*"), QStringLiteral("\\"),
                                QStringLiteral(";;;;;;"), QStringLiteral("0/"), QStringLiteral("/0"),
                                QStringLiteral("E+"), QStringLiteral("0E+"), QStringLiteral("[>]0"),
                                QStringLiteral("[Color 999]0"), QStringLiteral("# ?\?\?\?\?\?\?\?/\?\?\?\?\?\?\?\?"),
                                QString(300, u'0') + QStringLiteral(".") + QString(300, u'#')}) {
        for (double value : {0.0, -1.5, 1e300, -1e-300, 45383.5})
            (void)NumberFormat(code).format(value);
        (void)NumberFormat(code).formatText(QStringLiteral("x"));
    }
    SUCCEED();
}

}  // namespace
