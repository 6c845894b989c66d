#include "BarcodeNumber.h"

#include "data/DataField.h"
#include "data/DataSet.h"

#include <algorithm>

namespace BarcodeNumber {

bool IsCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

QString Typed(const QString &text)
{
    QString typed = text;
    for (QChar &c : typed) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
    }
    return typed;
}

bool IsValid(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (text.size() < 6 || text.size() > MaxLength)
        return false;
    return std::all_of(text.cbegin(), text.cend(), IsCharacter);
}

PostCheck Check(const QString &column)
{
    return {column, Malformed, [column](DataSet &record) { return IsValid(record.FieldByName(column).AsString()); }};
}

}  // namespace BarcodeNumber
