#include "DocumentPages.h"

#include "XlsxReader.h"

#include <gtest/gtest.h>

using namespace celvane;

DocumentPages::DocumentPages(const QString &templatePath, const Workbook &finished, const QString &sheetName,
                             int lastRow)
    : m_template(XlsxReader::read(templatePath))
    , m_pageRows(lastRow)
{
    const int templateIndex = m_template.sheetIndex(sheetName);
    const int index = finished.sheetIndex(sheetName);
    EXPECT_GE(templateIndex, 0);
    EXPECT_GE(index, 0);
    if (templateIndex < 0 || index < 0)
        return;
    m_templateSheet = &m_template.sheets[size_t(templateIndex)];
    m_sheet = &finished.sheets[size_t(index)];
    m_styles = &finished.styles;
    if (m_pageRows < 0)
        m_pageRows = m_templateSheet->printArea ? m_templateSheet->printArea->bottom : m_templateSheet->lastUsedRow();
    int lastUsed = 0;
    for (const auto &[number, row] : m_sheet->rows)
        if (!row.cells.empty())
            lastUsed = std::max(lastUsed, number);
    for (const DrawingObject &object : m_sheet->drawings)
        lastUsed = std::max(lastUsed, object.from.row + 1);
    m_count = (lastUsed + m_pageRows - 1) / m_pageRows;
}

QPoint DocumentPages::markerCell(const QString &marker) const
{
    if (m_templateSheet)
        for (const auto &[number, row] : m_templateSheet->rows)
            for (const auto &[column, cell] : row.cells)
                if (cell.isText() && cell.text == marker)
                    return {column, number};
    ADD_FAILURE() << "no marker " << marker.toStdString() << " in the template";
    return {};
}

QPoint DocumentPages::cell(int page, const QString &marker, int columnOffset, int rowOffset) const
{
    const QPoint at = markerCell(marker);
    return {at.x() + columnOffset, at.y() + rowOffset + page * m_pageRows};
}

QString DocumentPages::value(int page, const QString &marker, int columnOffset, int rowOffset) const
{
    const QPoint at = cell(page, marker, columnOffset, rowOffset);
    const Cell *found = m_sheet ? m_sheet->findCell(at.x(), at.y()) : nullptr;
    if (!found)
        return {};
    if (found->type == Cell::Type::Number)
        return QString::number(found->number);
    return found->text;
}

std::vector<const DrawingObject *> DocumentPages::anchored(DrawingObject::Kind kind, QPoint at, int columns) const
{
    std::vector<const DrawingObject *> found;
    if (m_sheet)
        for (const DrawingObject &object : m_sheet->drawings)
            if (object.kind == kind && object.from.row + 1 == at.y() && object.from.column + 1 >= at.x()
                && object.from.column + 1 < at.x() + columns)
                found.push_back(&object);
    return found;
}

std::vector<const DrawingObject *> DocumentPages::pictures(int page, const QString &marker, int columnOffset,
                                                           int rowOffset) const
{
    return anchored(DrawingObject::Kind::Picture, cell(page, marker, columnOffset, rowOffset));
}

std::vector<const DrawingObject *> DocumentPages::shapes(int page, const QString &marker, int columnOffset,
                                                         int rowOffset, int columns) const
{
    return anchored(DrawingObject::Kind::Shape, cell(page, marker, columnOffset, rowOffset), columns);
}

Border DocumentPages::border(int page, const QString &marker, int columnOffset, int rowOffset) const
{
    const QPoint at = cell(page, marker, columnOffset, rowOffset);
    const Cell *found = m_sheet ? m_sheet->findCell(at.x(), at.y()) : nullptr;
    if (!found || !m_styles || size_t(found->style) >= m_styles->cellFormats.size())
        return {};
    const int id = m_styles->cellFormats[size_t(found->style)].borderId;
    return size_t(id) < m_styles->borders.size() ? m_styles->borders[size_t(id)] : Border{};
}

std::vector<const DrawingObject *> DocumentPages::shapes(int page) const
{
    std::vector<const DrawingObject *> found;
    if (m_sheet)
        for (const DrawingObject &object : m_sheet->drawings)
            if (object.kind == DrawingObject::Kind::Shape && object.from.row / m_pageRows == page)
                found.push_back(&object);
    return found;
}

QStringList DocumentPages::markersLeft(int page) const
{
    QStringList left;
    if (m_sheet)
        for (int number = page * m_pageRows + 1; number <= (page + 1) * m_pageRows; ++number)
            if (const auto row = m_sheet->rows.find(number); row != m_sheet->rows.end())
                for (const auto &[column, cell] : row->second.cells)
                    if (cell.isText() && cell.text.startsWith(QLatin1String("**")))
                        left << cell.text;
    return left;
}
