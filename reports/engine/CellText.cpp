#include "CellText.h"

namespace celvane {

QString CellText::formatCode(int numberFormatId, const QString &workbookCode)
{
    return workbookCode.isEmpty() ? NumberFormat::builtin(numberFormatId) : workbookCode;
}

FormattedValue CellText::shown(const Cell &cell, const NumberFormat &format)
{
    switch (cell.type) {
    case Cell::Type::Text: {
        // A carriage return before a line feed shows nothing of its own.
        FormattedValue text = format.formatText(cell.text);
        text.text.remove(u'\r');
        return text;
    }
    case Cell::Type::Number:
        return format.format(cell.number);
    case Cell::Type::Empty:
    case Cell::Type::Error:
    case Cell::Type::Boolean:
        break;
    }
    FormattedValue plain;
    if (cell.type == Cell::Type::Error)
        plain.text = cell.text;
    else if (cell.type == Cell::Type::Boolean)
        plain.text = cell.number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return plain;
}

QString CellText::display(const Cell &cell, int numberFormatId, const QString &formatCode)
{
    return shown(cell, NumberFormat(CellText::formatCode(numberFormatId, formatCode))).text;
}

QString CellText::formatNumber(double value, const QString &formatCode)
{
    return NumberFormat(formatCode).format(value).text;
}

}  // namespace celvane
