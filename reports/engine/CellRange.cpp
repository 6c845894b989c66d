#include "CellRange.h"

#include <algorithm>
#include <utility>

namespace celvane {

QString CellRange::columnName(int column)
{
    QString name;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        name.prepend(QChar('A' + rest));
        column = (column - 1) / 26;
    }
    return name;
}

bool CellRange::parseCell(QStringView text, int &column, int &row)
{
    column = 0;
    row = 0;
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$')
        ++i;
    // Column letters are ASCII only: "あ50" is no cell, whatever a letter test would say.
    while (i < text.size() && column <= 16384) {
        const char16_t c = text[i].unicode();
        if (c >= u'a' && c <= u'z')
            column = column * 26 + (c - u'a' + 1);
        else if (c >= u'A' && c <= u'Z')
            column = column * 26 + (c - u'A' + 1);
        else
            break;
        ++i;
    }
    if (i < text.size() && text[i] == u'$')
        ++i;
    // Digits only: no sign, no spaces.
    const QStringView digits = text.mid(i);
    if (digits.isEmpty() || digits.size() > 7
        || std::any_of(digits.begin(), digits.end(), [](QChar c) { return c < u'0' || c > u'9'; }))
        return false;
    bool ok = false;
    row = digits.toInt(&ok);
    // The limits of a sheet: column XFD, row 1048576.
    return ok && column > 0 && column <= 16384 && row > 0 && row <= 1048576;
}

bool CellRange::parse(QStringView text, CellRange &range)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        if (!parseCell(text, range.left, range.top))
            return false;
        range.right = range.left;
        range.bottom = range.top;
        return true;
    }
    if (!parseCell(text.left(colon), range.left, range.top)
        || !parseCell(text.mid(colon + 1), range.right, range.bottom))
        return false;
    // "C4:A1" is the same block as "A1:C4".
    if (range.left > range.right)
        std::swap(range.left, range.right);
    if (range.top > range.bottom)
        std::swap(range.top, range.bottom);
    return true;
}

QString CellRange::toString() const
{
    if (left == right && top == bottom)
        return cellName(left, top);
    return cellName(left, top) + u':' + cellName(right, bottom);
}

QString CellRange::toAbsoluteString() const
{
    return QStringLiteral("$%1$%2:$%3$%4").arg(columnName(left)).arg(top).arg(columnName(right)).arg(bottom);
}

}  // namespace celvane
