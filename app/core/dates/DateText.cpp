#include "DateText.h"

#include "EraCalendar.h"

InvalidDateText::InvalidDateText(const QString &text)
    : std::runtime_error(QStringLiteral("「%1」は日付として読めません。").arg(text).toStdString())
{
}

namespace {

// Reads year, month and day from their fixed places; an invalid date when any part is
// not a number or the three do not make a calendar day.
QDate parseFixedPlaces(const QString &text)
{
    if (text.size() < 10)
        return {};
    bool okYear = false, okMonth = false, okDay = false;
    const int year = text.mid(0, 4).toInt(&okYear);
    const int month = text.mid(5, 2).toInt(&okMonth);
    const int day = text.mid(8, 2).toInt(&okDay);
    if (!okYear || !okMonth || !okDay)
        return {};
    return QDate(year, month, day);
}

// A stored text that is no date (an imported "2009/4/1") is shown as it is: the user
// sees what is there and the program goes on.
QString eraText(const QString &text, const QString &pattern)
{
    if (text.isEmpty())
        return {};
    const QDate date = parseFixedPlaces(text);
    return date.isValid() ? EraCalendar::format(date, pattern) : text;
}

}  // namespace

QDate DateTextToDate(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QDate date = parseFixedPlaces(text);
    if (!date.isValid())
        throw InvalidDateText(text);
    return date;
}

QString DateToDateText(const QDate &date)
{
    if (!date.isValid())
        return {};
    return EraCalendar::format(date, ShortDateFormat);
}

QString DateTextToEraLong(const QString &text)
{
    return eraText(text, LongDateFormat);
}

QString DateTextToEraShort(const QString &text)
{
    return eraText(text, QStringLiteral("g e年m月d日"));
}

QString DateTextToEraSpaced(const QString &text)
{
    return eraText(text, QStringLiteral("gg e年 m月 d日"));
}

bool DateTextInRange(const QString &text, const QString &low, const QString &high)
{
    const QString from = low.isEmpty() ? QStringLiteral("0000/00/00") : low;
    const QString to = high.isEmpty() ? QStringLiteral("9999/99/99") : high;
    // The texts are ASCII digits and slashes, so UTF-16 order is the byte order.
    return from <= text && text <= to;
}

bool IsDateText(const QString &text)
{
    return parseFixedPlaces(text).isValid();
}
