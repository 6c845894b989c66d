#pragma once

#include "Cell.h"

#include <QString>

namespace celvane {

// The text a cell shows: its text, or its number in the cell's number format.
class CellText
{
public:
    static QString display(const Cell &cell, int numberFormatId, const QString &formatCode);
    static QString formatNumber(double value, const QString &formatCode);

private:
    static QString general(double value);
    static QString date(double serial, QString code);
};

}  // namespace celvane
