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

struct Printed
{
    double value;
    const char16_t *code;
    const char16_t *text;
};

void expectPrinted(std::initializer_list<Printed> cases)
{
    for (const Printed &c : cases)
        EXPECT_EQ(shown(c.value, QString::fromUtf16(c.code)), QString::fromUtf16(c.text)) << QString::fromUtf16(c.code);
}

// As LibreOffice prints them in a Japanese locale.
TEST(NumberFormat, KanjiNumeralsReadNumbersWithTheirPlaces)
{
    expectPrinted({
        {0, u"[DBNum1]General", u"〇"},
        {10, u"[DBNum1]General", u"十"},
        {110, u"[DBNum1]0", u"百十"},
        {1001, u"[DBNum1]0", u"一千一"},
        {10001, u"[DBNum1]#,##0", u"一万一"},
        {100000, u"[DBNum1]0", u"十万"},
        {10000000, u"[DBNum1][$-411]0", u"一千万"},
        {123456789, u"[DBNum1]General", u"一億二千三百四十五万六千七百八十九"},
        {1234567890123, u"[DBNum1]0", u"一兆二千三百四十五億六千七百八十九万百二十三"},
        {1.5e16, u"[DBNum1]0", u"一京五千兆"},
        {1.23e21, u"[DBNum1]0", u"十二万三千京"},
        {12.34, u"[DBNum1]General", u"十二・三四"},
        {1.5, u"[DBNum1]0.00", u"一・五〇"},
        {0.05, u"[DBNum1]0.0", u"〇・一"},
        {1.5, u"[DBNum1]0", u"二"},
        {5, u"[DBNum1]000", u"五"},
        {0.25, u"[DBNum1]0%", u"二十五%"},
        {1.5, u"[DBNum1]# ?/?", u"一 一/二"},
        {1234, u"[DBNum1]\"金\"#,##0\"円也\"", u"金一千二百三十四円也"},
        {1234, u"[DBNum1][$¥-411]#,##0", u"¥一千二百三十四"},
        {1234567, u"[DBNum1]000-0000", u"百二十三−四千五百六十七"},
        // A sign beside digit placeholders takes the kanji minus; General keeps the plain one.
        {-123, u"[DBNum1]0", u"−百二十三"},
        {-0.25, u"[DBNum1]General", u"-〇・二五"},
        {-5, u"0;[DBNum1]\\-0", u"−五"},
        {-5, u"[DBNum1]0;[Red]-0", u"-5"},
        {12345, u"[DBNum1]0.00E+00", u"1.23E+04"},
        {12, u"[dbnum1]0", u"十二"},
        // Formal numerals, full-width digits, and a fourth group that changes nothing.
        {12345, u"[DBNum2][$-411]General", u"壱萬弐阡参百四拾伍"},
        {10000000, u"[DBNum2]0", u"壱阡萬"},
        {110, u"[DBNum2]0", u"百拾"},
        {-1.5, u"[DBNum2]0.00", u"−壱・伍零"},
        {0, u"[DBNum2]General", u"零"},
        {1234, u"[DBNum3]#,##0", u"１，２３４"},
        {-1.5, u"[DBNum3]0.00", u"－１．５０"},
        {-1.5, u"[DBNum3]General", u"-１．５"},
        {5, u"[DBNum3]000", u"００５"},
        {1234, u"[DBNum4][$-411]0", u"1234"},
    });
    // A General number shortened to fit its cell keeps its numerals.
    const FormattedValue general = NumberFormat(QStringLiteral("[DBNum1]General")).format(-1234.5678);
    EXPECT_EQ(NumberFormat::general(-1234.5678, 7, general.numerals), QStringLiteral("-一千二百三十四・六"));
}

TEST(NumberFormat, KanjiNumeralsInDates)
{
    constexpr double kReiwaFirst = 43586;                        // 2019-05-01
    constexpr double kEvening = 45657 + (23 * 60 + 5) / 1440.0;  // 2024-12-31 23:05
    expectPrinted({
        {kApril1st2024, u"[DBNum1][$-411]ggge\"年\"m\"月\"d\"日\"", u"令和六年四月一日"},
        {kReiwaFirst, u"[DBNum1]ggge\"年\"m\"月\"d\"日\"", u"令和元年五月一日"},
        {32516, u"[DBNum1][$-411]ggg ee\"年\"", u"平成 元年"},
        {40000, u"[DBNum1][$-411]ge.m.d", u"H二十一.七.六"},
        {kEvening, u"[DBNum1]yyyy\"年\"mm\"月\"dd\"日\"", u"二〇二四年十二月三十一日"},
        {36526, u"[DBNum1]yy/m/d", u"〇〇/一/一"},
        {kApril1st2024, u"[DBNum1]m\"月\"d\"日\"(aaa)", u"四月一日(月)"},
        {kReiwaFirst, u"[DBNum2][$-411]ggge\"年\"m\"月\"d\"日\"", u"令和元年伍月壱日"},
        {kEvening, u"[DBNum2]yyyy\"年\"m\"月\"d\"日\"", u"弐零弐四年拾弐月参拾壱日"},
        {kReiwaFirst, u"[DBNum3][$-411]ggge\"年\"mm\"月\"dd\"日\"", u"令和１年０５月０１日"},
        {kApril1st2024, u"[DBNum4][$-411]ggge\"年\"m\"月\"d\"日\"", u"令和6年4月1日"},
        // Times read as numbers on their own, digit by digit beside a date.
        {kEvening, u"[DBNum1]h\"時\"mm\"分\"", u"二十三時五分"},
        {kEvening, u"[DBNum1][$-411]hh:mm AM/PM", u"十一:五 午後"},
        {kEvening, u"[DBNum2]h:mm", u"弐拾参:伍"},
        {kEvening, u"[DBNum1]m\"月\"d\"日\"h\"時\"mm\"分\"", u"十二月三十一日二三時〇五分"},
        {kEvening, u"[DBNum2]yy/m/d h:m", u"弐四/拾弐/参拾壱 弐参:伍"},
        {kEvening, u"[DBNum3]hh:mm", u"２３:０５"},
        {40.0 / 24, u"[DBNum1][h]\"時間\"", u"四十時間"},
        {45383.5, u"[DBNum1][h]", u"百八万九千二百四"},
    });
}

TEST(NumberFormat, HostileCodesStayHarmless)
{
    for (const QString &code : {QStringLiteral("\""), QStringLiteral("["), QStringLiteral("*"), QStringLiteral("\\"),
                                QStringLiteral(";;;;;;"), QStringLiteral("0/"), QStringLiteral("/0"),
                                QStringLiteral("E+"), QStringLiteral("0E+"), QStringLiteral("[>]0"),
                                QStringLiteral("[Color 999]0"), QStringLiteral("# ?\?\?\?\?\?\?\?/\?\?\?\?\?\?\?\?"),
                                QStringLiteral("[DBNum1]0"), QStringLiteral("[DBNum2]General"),
                                QStringLiteral("[DBNum3]e"), QStringLiteral("[DBNum1]") + QString(300, u'0'),
                                QString(300, u'0') + QStringLiteral(".") + QString(300, u'#')}) {
        for (double value : {0.0, -1.5, 1e300, -1e-300, 45383.5})
            (void)NumberFormat(code).format(value);
        (void)NumberFormat(code).formatText(QStringLiteral("x"));
    }
    SUCCEED();
}

}  // namespace
