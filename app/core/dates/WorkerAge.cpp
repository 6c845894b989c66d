#include "WorkerAge.h"

#include "DateText.h"

#include <cmath>

std::optional<int> WorkerAgeOn(const QString &birthDateText, const QDate &date)
{
    if (!IsDateText(birthDateText) || !date.isValid())
        return std::nullopt;
    const qint64 days = DateTextToDate(birthDateText).daysTo(date);
    return int(std::trunc(double(days) / 365.25));
}

WorkerAgeFlags WorkerAgeFlagsFor(int age, int oldAge, int youngAge)
{
    if (age >= oldAge)
        return {1, 0};
    return {0, age < youngAge ? 1 : 0};
}
