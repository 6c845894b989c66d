#pragma once

#include <QDate>
#include <QString>
#include <stdexcept>

// Dates travel through the program and the database as texts "yyyy/mm/dd"; an empty
// text means no date, and the invalid QDate is the matching null date.

// Raised by DateTextToDate for a text that is not a real date.
class InvalidDateText : public std::runtime_error
{
public:
    explicit InvalidDateText(const QString &text);
};

// Process-wide date formats, fixed at start whatever the system's regional settings.
inline const QString ShortDateFormat = QStringLiteral("yyyy/mm/dd");
inline const QString LongDateFormat = QStringLiteral("gg ee年mm月dd日");

QDate DateTextToDate(const QString &text);
QString DateToDateText(const QDate &date);

// A text that is not a date comes back unchanged.
QString DateTextToEraLong(const QString &text);    // 平成 21年04月01日
QString DateTextToEraShort(const QString &text);   // 平 21年4月1日
QString DateTextToEraSpaced(const QString &text);  // 平成 21年 4月 1日

// Byte-wise comparison of the texts, both ends inclusive; empty bounds are open.
bool DateTextInRange(const QString &text, const QString &low, const QString &high);

// True for texts of at least 10 characters whose year, month and day form a real date.
bool IsDateText(const QString &text);
