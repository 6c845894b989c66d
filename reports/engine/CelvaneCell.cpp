#include "CelvaneCell.h"

#include "Celvane.h"

namespace celvane {

void CelvaneCell::Value(const QString &text)
{
    celvane::Cell &cell = m_engine.report().currentSheet().cellAt(m_cell.x(), m_cell.y());
    cell.type = text.isEmpty() ? celvane::Cell::Type::Empty : celvane::Cell::Type::Text;
    cell.text = text;
    cell.richTextXml.clear();
    cell.formulaXml.clear();
}

void CelvaneCell::Value(qint64 number)
{
    celvane::Cell &cell = m_engine.report().currentSheet().cellAt(m_cell.x(), m_cell.y());
    cell.type = celvane::Cell::Type::Number;
    cell.number = double(number);
    cell.text.clear();
    cell.richTextXml.clear();
    cell.formulaXml.clear();
}

CelvaneFormat CelvaneCell::Format()
{
    return CelvaneFormat(m_engine, CellRange{m_cell.x(), m_cell.y(), m_cell.x(), m_cell.y()});
}

}  // namespace celvane
