#pragma once

#include <QDate>
#include <QString>
#include <optional>

class IniFile;

// A worker's age and the two flags that follow from it, the same in the roster, its
// prints and the equipment notifications.
//
// The age is the number of days from the birth date to the day, divided by 365.25 and
// truncated. With that year a birthday counts one day late (born 2001/03/01, on
// 2019/03/01 the worker is still 17); the documents of the sites have always shown it so.
// A birth date after the day, or one that is no date, gives no age.
std::optional<int> AgeInYears(const QDate &birth, const QDate &day);
std::optional<int> AgeInYears(const QString &birthText, const QDate &day);

// The limits of the aged and the young worker, the settings OLD and YOUNG of section
// "data" (55 and 18 unless set), read each time they are needed.
struct AgeLimits
{
    int aged = 55;
    int young = 18;

    static AgeLimits FromSettings(const IniFile &settings);
};

// An aged worker (ADVA) is at least the aged limit; a young worker (YNG) is below the young
// limit and never aged at the same time.
struct AgeFlags
{
    bool aged = false;
    bool young = false;
};

AgeFlags FlagsForAge(int age, const AgeLimits &limits);
