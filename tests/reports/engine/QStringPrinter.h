#pragma once

#include <QString>
#include <ostream>

// Failed expectations show texts as people read them, not as arrays of code units.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}
