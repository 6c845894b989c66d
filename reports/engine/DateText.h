#pragma once

#include "FormatSection.h"

namespace celvane {

struct FormattedValue;

// A date and time serial (days since 1899-12-30, as workbooks count them) shown through a
// section of a number format: years, months, days and weekday names, the Japanese eras,
// hours, minutes and seconds with fractions, elapsed time and the half-day marks, each in
// the section's numerals.
class DateText
{
public:
    // False when the serial is no moment the format can show (before 1900, after 9999).
    static bool render(const FormatSection &section, double serial, FormattedValue &out);
};

}  // namespace celvane
