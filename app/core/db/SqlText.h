#pragma once

#include <QString>

// SQL is built as text; these keep values safe inside it.

// NULL for an empty text or the word "NULL", otherwise a quoted literal with every
// single quote doubled.
QString SqlStrOrNull(const QString &text);

// Keeps only the characters '0'-'9'.
QString DigitsOnly(const QString &text);

// NULL for an empty text or "NULL" (and for a text without any digit, which would
// otherwise leave a hole in the statement); otherwise the digits read as an integer.
QString SqlIntOrNull(const QString &text);

// A quoted SQL literal, single quotes doubled; for values that are never NULL.
QString SqlQuote(const QString &text);
