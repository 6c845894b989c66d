#include "CelvaneFormat.h"

#include "Celvane.h"
#include "CellBorders.h"

namespace celvane {

namespace {
void edge(Celvane &engine, const CellRange &block, CellBorders::Edge which, qint64 value)
{
    const BorderLine line = CellBorders::decode(value);
    ReportDocument &report = engine.report();
    CellBorders borders(report.currentSheet(), report.workbook().styles);
    for (int row = block.top; row <= block.bottom; ++row)
        for (int column = block.left; column <= block.right; ++column) {
            const bool onEdge = which == CellBorders::Edge::Diagonal
                || (which == CellBorders::Edge::Top && row == block.top)
                || (which == CellBorders::Edge::Bottom && row == block.bottom)
                || (which == CellBorders::Edge::Left && column == block.left)
                || (which == CellBorders::Edge::Right && column == block.right);
            if (onEdge)
                borders.set(column, row, which, line);
        }
}
}  // namespace

void CelvaneFormat::TopLine(qint64 line)
{
    edge(m_engine, m_block, CellBorders::Edge::Top, line);
}

void CelvaneFormat::BottomLine(qint64 line)
{
    edge(m_engine, m_block, CellBorders::Edge::Bottom, line);
}

void CelvaneFormat::LeftLine(qint64 line)
{
    edge(m_engine, m_block, CellBorders::Edge::Left, line);
}

void CelvaneFormat::RightLine(qint64 line)
{
    edge(m_engine, m_block, CellBorders::Edge::Right, line);
}

void CelvaneFormat::Diagonal(qint64 line)
{
    edge(m_engine, m_block, CellBorders::Edge::Diagonal, line);
}

void CelvaneFormat::Frame(int flag, qint64 line)
{
    const BorderLine decoded = CellBorders::decode(line);
    ReportDocument &report = m_engine.report();
    CellBorders(report.currentSheet(), report.workbook().styles).frame(m_block, decoded, flag != 0);
}

}  // namespace celvane
