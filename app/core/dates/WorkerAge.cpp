#include "WorkerAge.h"

#include "config/ConfigKeys.h"
#include "dates/DateText.h"

std::optional<int> AgeInYears(const QDate &birth, const QDate &day)
{
    if (!birth.isValid() || !day.isValid() || birth > day)
        return std::nullopt;
    return int(double(birth.daysTo(day)) / 365.25);
}

std::optional<int> AgeInYears(const QString &birthText, const QDate &day)
{
    if (!IsDateText(birthText))
        return std::nullopt;
    return AgeInYears(DateTextToDate(birthText), day);
}

AgeLimits AgeLimits::FromSettings(const IniFile &settings)
{
    return {Config::read(settings, Config::OldAgeForAgeTest), Config::read(settings, Config::YoungAge)};
}

AgeFlags FlagsForAge(int age, const AgeLimits &limits)
{
    if (age >= limits.aged)
        return {true, false};
    return {false, age < limits.young};
}
