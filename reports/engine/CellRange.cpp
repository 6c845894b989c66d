#include "CellRange.h"

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
    while (i < text.size() && text[i].isLetter() && column <= 16384) {
        column = column * 26 + (text[i].toUpper().unicode() - 'A' + 1);
        ++i;
    }
    if (i < text.size() && text[i] == u'$')
        ++i;
    bool ok = false;
    row = text.mid(i).toInt(&ok);
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
    return parseCell(text.left(colon), range.left, range.top)
        && parseCell(text.mid(colon + 1), range.right, range.bottom);
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
