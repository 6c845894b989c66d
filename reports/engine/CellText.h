#pragma once

#include "Cell.h"
#include "NumberFormat.h"

#include <QString>

namespace celvane {

// The text a cell shows: its text or number through the cell's number format.
class CellText
{
public:
    static FormattedValue shown(const Cell &cell, const NumberFormat &format);
    static QString display(const Cell &cell, int numberFormatId, const QString &formatCode);
    static QString formatNumber(double value, const QString &formatCode);
    // The format code of a cell format: the workbook's own code, else the built-in one.
    static QString formatCode(int numberFormatId, const QString &workbookCode);
};

}  // namespace celvane
