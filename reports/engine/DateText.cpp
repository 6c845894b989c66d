#include "DateText.h"

#include "NumberFormat.h"

#include <QDate>
#include <cmath>

namespace celvane {

namespace {

using Kind = FormatSection::Token::Kind;

struct Era
{
    QDate start;
    QChar letter;
    QString name;
};

const Era *eraOf(const QDate &date)
{
    static const Era eras[] = {{QDate(2019, 5, 1), u'R', QStringLiteral("令和")},
                               {QDate(1989, 1, 8), u'H', QStringLiteral("平成")},
                               {QDate(1926, 12, 25), u'S', QStringLiteral("昭和")},
                               {QDate(1912, 7, 30), u'T', QStringLiteral("大正")},
                               {QDate(1868, 9, 8), u'M', QStringLiteral("明治")}};
    for (const Era &era : eras)
        if (date >= era.start)
            return &era;
    return nullptr;
}

QString twoDigits(qint64 value)
{
    return QString::number(value).rightJustified(2, u'0');
}

QString weekday(const QDate &date, bool japanese, bool full)
{
    static const QString japaneseNames[]
        = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
           QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
    static const char *const englishNames[]
        = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    const int day = date.dayOfWeek() - 1;
    if (japanese)
        return full ? japaneseNames[day] + QStringLiteral("曜日") : japaneseNames[day];
    const QString name = QLatin1String(englishNames[day]);
    return full ? name : name.left(3);
}

QString monthName(int month, qsizetype letters)
{
    static const char *const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    const QString name = QLatin1String(names[month - 1]);
    return letters == 3 ? name.left(3) : letters == 5 ? name.left(1) : name;
}

// Whether the "m" at the index counts minutes: it follows an hour or precedes a second.
bool isMinute(const std::vector<FormatSection::Token> &tokens, size_t index)
{
    for (size_t i = index; i-- > 0;)
        if (tokens[i].kind == Kind::Date && !tokens[i].text.startsWith(u'.')) {
            if (tokens[i].text.startsWith(u'h') || tokens[i].text == QLatin1String("[h]"))
                return true;
            break;
        }
    for (size_t i = index + 1; i < tokens.size(); ++i)
        if (tokens[i].kind == Kind::Date) {
            return tokens[i].text.startsWith(u's') || tokens[i].text == QLatin1String("[s]");
        }
    return false;
}

// Whether the section shows a part of the date (a year, a month, a day, an era or a weekday)
// besides any time.
bool showsDate(const std::vector<FormatSection::Token> &tokens)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Date)
            continue;
        const QChar letter = tokens[i].text.front();
        if (letter == u'y' || letter == u'd' || letter == u'g' || letter == u'e' || letter == u'a')
            if (tokens[i].text != QLatin1String("ampm") && tokens[i].text != QLatin1String("ap"))
                return true;
        if (letter == u'm' && !(tokens[i].text.size() <= 2 && isMinute(tokens, i)))
            return true;
    }
    return false;
}

}  // namespace

bool DateText::render(const FormatSection &section, double serial, FormattedValue &out)
{
    constexpr double kLastSerial = 2958466.0;  // the day after 9999-12-31
    if (!(serial >= 0.0) || serial >= kLastSerial)
        return false;
    int fractionDigits = 0;
    bool twelveHours = false;
    for (const auto &token : section.tokens) {
        if (token.kind == Kind::Date && token.text.startsWith(u'.'))
            fractionDigits = std::max(fractionDigits, int(token.text.size()) - 1);
        twelveHours
            |= token.kind == Kind::Date && (token.text == QLatin1String("ampm") || token.text == QLatin1String("ap"));
    }
    fractionDigits = std::min(fractionDigits, 3);
    // Rounded to what the format shows, as Excel does: 23:59:59.6 shown without fractions is the next day.
    const qint64 perSecond = qint64(std::pow(10, fractionDigits));
    const qint64 ticks = std::llround(serial * 86400.0 * double(perSecond));
    const qint64 seconds = ticks / perSecond;
    const qint64 fraction = ticks % perSecond;
    const qint64 days = seconds / 86400;
    const qint64 secondOfDay = seconds % 86400;
    // Day 60 of the 1900 system is the 29 February that never was; days before it count from 1899-12-31.
    const QDate date = days < 61 ? QDate(1899, 12, 31).addDays(days) : QDate(1899, 12, 30).addDays(days);
    const int hour = int(secondOfDay / 3600);
    const Era *era = eraOf(date);
    // Kanji numerals read months, days and era years as numbers (十二月, 元年), years digit by
    // digit (二〇二四); times read as numbers on their own and digit by digit beside a date,
    // as LibreOffice prints them. Full-width digits keep the code's zeros.
    const JapaneseNumerals::System numerals = section.numerals;
    const bool timesAsNumbers = !showsDate(section.tokens);
    const auto asNumber = [numerals](const QString &digits) { return JapaneseNumerals::number(digits, numerals); };
    const auto asTime = [numerals, timesAsNumbers](const QString &digits) {
        return timesAsNumbers ? JapaneseNumerals::number(digits, numerals) : JapaneseNumerals::digits(digits, numerals);
    };

    const auto &tokens = section.tokens;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const auto &token = tokens[i];
        const QString &code = token.text;
        if (token.kind == Kind::Literal) {
            out.text += code;
            continue;
        }
        if (token.kind == Kind::Fill) {
            out.fillAt = int(out.text.size());
            out.fillCharacter = code.front();
            continue;
        }
        if (token.kind != Kind::Date) {
            out.text += token.shown();
            continue;
        }
        const QChar letter = code.front();
        const qsizetype count = code.size();
        if (code == QLatin1String("[h]")) {
            out.text += asTime(QString::number(seconds / 3600));
        } else if (code == QLatin1String("[m]")) {
            out.text += asTime(QString::number(seconds / 60));
        } else if (code == QLatin1String("[s]")) {
            out.text += asTime(QString::number(seconds));
        } else if (code == QLatin1String("ampm")) {
            out.text += hour < 12 ? (section.japanese ? QStringLiteral("午前") : QStringLiteral("AM"))
                                  : (section.japanese ? QStringLiteral("午後") : QStringLiteral("PM"));
        } else if (code == QLatin1String("ap")) {
            out.text += hour < 12 ? u'A' : u'P';
        } else if (letter == u'.') {
            out.text += u'.' + asTime(QString::number(fraction).rightJustified(fractionDigits, u'0').left(count - 1));
        } else if (letter == u'y') {
            out.text += JapaneseNumerals::digits(
                count <= 2 ? twoDigits(date.year() % 100) : QString::number(date.year()), numerals);
        } else if (letter == u'm' && count <= 2 && isMinute(tokens, i)) {
            const qint64 minute = (secondOfDay / 60) % 60;
            out.text += asTime(count == 1 ? QString::number(minute) : twoDigits(minute));
        } else if (letter == u'm') {
            out.text += count == 1 ? asNumber(QString::number(date.month()))
                : count == 2       ? asNumber(twoDigits(date.month()))
                                   : monthName(date.month(), count);
        } else if (letter == u'd') {
            out.text += count == 1 ? asNumber(QString::number(date.day()))
                : count == 2       ? asNumber(twoDigits(date.day()))
                                   : weekday(date, section.japanese, count >= 4);
        } else if (letter == u'a') {
            out.text += weekday(date, true, code == QLatin1String("aaaa"));
        } else if (letter == u'h') {
            const int shown = twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            out.text += asTime(count == 1 ? QString::number(shown) : twoDigits(shown));
        } else if (letter == u's') {
            const qint64 second = secondOfDay % 60;
            out.text += asTime(count == 1 ? QString::number(second) : twoDigits(second));
        } else if (letter == u'g') {
            if (era)
                out.text += count == 1 ? QString(era->letter) : count == 2 ? era->name.left(1) : era->name;
        } else if (letter == u'e') {
            const int year = era ? date.year() - era->start.year() + 1 : date.year();
            const bool kanji
                = numerals == JapaneseNumerals::System::Kanji || numerals == JapaneseNumerals::System::Formal;
            // The first year of an era is its 元年 in kanji.
            out.text += kanji && era && year == 1 ? QStringLiteral("元")
                                                  : asNumber(count == 1 ? QString::number(year) : twoDigits(year));
        }
    }
    return true;
}

}  // namespace celvane
