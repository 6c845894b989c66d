#include "BarcodeNumber.h"

namespace BarcodeNumber {

namespace {

bool isNumberCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

}  // namespace

bool IsAcceptable(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (text.size() < 6 || text.size() > MaxLength)
        return false;
    for (const QChar c : text) {
        if (!isNumberCharacter(c))
            return false;
    }
    return true;
}

QChar Typed(QChar character)
{
    if (character >= QLatin1Char('a') && character <= QLatin1Char('z'))
        return character.toUpper();
    if (isNumberCharacter(character) || !character.isPrint())
        return character;
    return QChar();
}

}  // namespace BarcodeNumber
