#pragma once

#include <QString>

namespace sorvik::package {

// A package value as an SQL literal by its column's type letter: text ("S") and date
// ("D") columns take the quoted text with form feeds turned back into CR LF; all others
// take a number. Empty or the word NULL is NULL for every letter.
QString sqlValue(const QString &typeLetter, const QString &value);

// A plain signed decimal number ("7.5", "-3", "+12", ".25") becomes that number in SQL, so
// working hours keep their fraction and amounts their sign; anything else is NULL.
QString SqlNumberOrNull(const QString &text);

}  // namespace sorvik::package
