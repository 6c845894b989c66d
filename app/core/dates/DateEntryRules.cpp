#include "DateEntryRules.h"

#include "EraCalendar.h"

namespace DateEntryRules {

QStringList eraItems()
{
    QStringList items{WesternItem};
    const auto &eras = EraCalendar::eras();
    for (auto it = eras.rbegin(); it != eras.rend(); ++it)
        items << it->name;
    return items;
}

Fields fieldsFor(const QDate &date, bool withEra, TplDateEditStyle style)
{
    Fields fields;
    if (withEra) {
        const Era *era = EraCalendar::eraOf(date);
        fields.era = era ? era->name : QString();
        fields.year = QString::number(EraCalendar::yearInEra(date));
    } else {
        fields.era = WesternItem;
        fields.year = QString::number(date.year());
    }
    if (style != desYear)
        fields.month = QString::number(date.month());
    if (style == desYearMonthDay)
        fields.day = QString::number(date.day());
    return fields;
}

namespace {

Reading failure(const QString &message, int errorBits)
{
    Reading reading;
    reading.outcome = Reading::Failure;
    reading.message = message;
    reading.errorBits = errorBits;
    return reading;
}

// Stands in the 1st for the parts a style does not ask for, once something was entered.
Fields completedForStyle(Fields fields, TplDateEditStyle style)
{
    const QString first = QStringLiteral("1");
    if (style == desYearMonth)
        fields.day = fields.year.isEmpty() && fields.month.isEmpty() ? QString() : first;
    else if (style == desYear)
        fields.month = fields.day = fields.year.isEmpty() ? QString() : first;
    return fields;
}

bool isEraName(const QString &text)
{
    return text != WesternItem && EraCalendar::westernYear(text, 1) != 0;
}

Reading readDate(const Fields &fields, bool checkEraLimit)
{
    // Only digits reach the fields, so what does not convert is taken as 0 and then fails
    // as an invalid date.
    const int enteredYear = fields.year.toInt();
    const int year = isEraName(fields.era) ? EraCalendar::westernYear(fields.era, enteredYear) : enteredYear;
    const QDate date(year, fields.month.toInt(), fields.day.toInt());
    if (!date.isValid())
        return failure(MsgInvalidDate, InvalidDate);
    if (year < MinimumDate.year())
        return failure(MsgBeforeMinimum, BeforeMinimum);
    if (checkEraLimit && year > LastEraYear)
        return failure(MsgBeyondEraLimit, BeyondEraLimit);
    Reading reading;
    reading.outcome = Reading::Date;
    reading.date = date;
    return reading;
}

}  // namespace

Reading read(const Fields &entered, TplDateEditStyle style, bool checkEraLimit, bool canEmpty)
{
    const Fields fields = completedForStyle(
        {entered.era.trimmed(), entered.year.trimmed(), entered.month.trimmed(), entered.day.trimmed()}, style);
    const int blankBits = (fields.year.isEmpty() ? YearBlank : 0) | (fields.month.isEmpty() ? MonthBlank : 0)
        | (fields.day.isEmpty() ? DayBlank : 0);
    if (blankBits == 0)
        return readDate(fields, checkEraLimit);
    if (blankBits != (YearBlank | MonthBlank | DayBlank))
        return failure(MsgSomeBlank, blankBits);
    // Nothing but perhaps an era: an era alone is the usual look of an empty control, as
    // the era is preselected, so it always reads as no date.
    if (fields.era.isEmpty() && !canEmpty)
        return failure(MsgAllBlank, AllBlank);
    return {};
}

}  // namespace DateEntryRules
