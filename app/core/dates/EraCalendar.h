#pragma once

#include <QDate>
#include <QString>
#include <vector>

// The Japanese imperial era calendar, from our own table rather than the locale, so
// that every machine prints the same era texts whatever its regional settings.
struct Era
{
    QString name;  // "平成"
    QDate start;   // first day of the era
};

namespace EraCalendar {

// Oldest first: 明治, 大正, 昭和, 平成, 令和.
const std::vector<Era> &eras();

// The era a date falls in; nullptr before the first day of Meiji.
const Era *eraOf(const QDate &date);

// Year within the era (the first, partial year is 1); 0 before Meiji.
int yearInEra(const QDate &date);

// The Western year of year `eraYear` of the named era; 0 when the name is unknown.
int westernYear(const QString &eraName, int eraYear);

// Formats a date with the letters of the program's date formats: "gg" era name, "g" its
// first character, "ee"/"e" era year with/without leading zero, "yyyy", "mm"/"m", "dd"/"d".
// Every other character is copied as it stands.
QString format(const QDate &date, const QString &pattern);

}  // namespace EraCalendar
