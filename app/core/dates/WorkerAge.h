#pragma once

#include <QDate>
#include <QString>
#include <optional>

// A worker's age and the two flags that follow from it, as the roster editor and the
// roster print keep them in SAGYOIN (OLD, ADVA aged, YNG minor).

// Whole years from the birth date text "yyyy/mm/dd" to `date`: the days between them
// divided by 365.25, truncated. None when the birth date is empty or not a real date, so
// that no worker is given an age made up from a broken text.
std::optional<int> WorkerAgeOn(const QString &birthDateText, const QDate &date);

struct WorkerAgeFlags
{
    int ADVA = 0;  // 1: at or above the aged limit
    int YNG = 0;   // 1: below the minor limit
};

// Below `oldAge` a worker is not aged, and a minor when also below `youngAge`.
WorkerAgeFlags WorkerAgeFlagsFor(int age, int oldAge, int youngAge);
