#include "SheetBuilder.h"

#include "FormBook.h"

#include <set>
#include <stdexcept>

namespace templates {

using namespace celvane;

namespace {
constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kMillimetresPerInch = 25.4;

BorderLine line(SheetBuilder::Line style)
{
    return style == SheetBuilder::Line::None ? BorderLine{} : BorderLine{style, CellColor::indexed(8)};
}
}  // namespace

SheetBuilder::SheetBuilder(const QString &name)
{
    m_sheet.name = name;
    m_sheet.defaultRowHeight = 13.5;
}

void SheetBuilder::page(Paper paper, Orientation orientation, double marginMillimetres)
{
    PageSetup &setup = m_sheet.pageSetup;
    setup.paperSize = int(paper);
    setup.landscape = orientation == Orientation::Landscape;
    setup.orientationSet = true;
    setup.pageSetupSet = true;
    const double inches = marginMillimetres / kMillimetresPerInch;
    setup.marginLeft = setup.marginRight = setup.marginTop = setup.marginBottom = inches;
    setup.marginHeader = setup.marginFooter = 0.0;
    setup.marginsSet = true;
    setup.centerHorizontally = true;
}

void SheetBuilder::fitToOnePage()
{
    m_sheet.pageSetup.fitToPage = true;
    m_sheet.pageSetup.fitToWidth = 1;
    m_sheet.pageSetup.fitToHeight = 1;
    m_sheet.otherElements.push_back(
        {QStringLiteral("sheetPr"), QStringLiteral("<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>")});
}

void SheetBuilder::printArea(int lastColumn, int lastRow)
{
    m_sheet.printArea = CellRange{1, 1, lastColumn, lastRow};
}

void SheetBuilder::breakAfterRow(int row)
{
    m_sheet.rowBreaks.push_back(row);
}

void SheetBuilder::breakAfterColumn(int column)
{
    m_sheet.columnBreaks.push_back(column);
}

void SheetBuilder::pagesAcrossThenDown()
{
    m_sheet.pageSetup.overThenDown = true;
}

void SheetBuilder::columns(int first, std::initializer_list<double> millimetres)
{
    for (double width : millimetres)
        m_columnMillimetres[first++] = width;
}

void SheetBuilder::columns(int first, int last, double millimetres)
{
    for (int column = first; column <= last; ++column)
        m_columnMillimetres[column] = millimetres;
}

void SheetBuilder::rows(int first, int last, double millimetres)
{
    for (int row = first; row <= last; ++row)
        m_rowMillimetres[row] = millimetres;
}

void SheetBuilder::place(const Area &area, const CellLook &look)
{
    if (area.width() > 1 || area.height() > 1) {
        for (const CellRange &merge : m_sheet.merges)
            if (merge.left <= area.right && area.left <= merge.right && merge.top <= area.bottom
                && area.top <= merge.bottom)
                throw std::logic_error("overlapping merges at " + area.toString().toStdString());
        m_sheet.merges.push_back(area);
    }
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column)
            m_looks[{column, row}] = look;
}

void SheetBuilder::text(const Area &area, const QString &text, const CellLook &look)
{
    place(area, look);
    m_texts[{area.left, area.top}] = text;
}

void SheetBuilder::marker(const Area &area, const QString &name, const CellLook &look)
{
    text(area, QStringLiteral("**") + name, look);
}

void SheetBuilder::blank(const Area &area, const CellLook &look)
{
    place(area, look);
}

void SheetBuilder::setEdge(std::map<Key, Edge> &edges, Key key, Line style, int sides)
{
    Edge &edge = edges[key];
    edge.style = style;
    edge.sides |= sides;
}

void SheetBuilder::horizontal(int rowEdge, int firstColumn, int lastColumn, Line style)
{
    for (int column = firstColumn; column <= lastColumn; ++column)
        setEdge(m_horizontal, {column, rowEdge}, style, kBoth);
}

void SheetBuilder::vertical(int columnEdge, int firstRow, int lastRow, Line style)
{
    for (int row = firstRow; row <= lastRow; ++row)
        setEdge(m_vertical, {columnEdge, row}, style, kBoth);
}

void SheetBuilder::frame(const Area &area, Line style)
{
    for (int column = area.left; column <= area.right; ++column) {
        setEdge(m_horizontal, {column, area.top}, style, kAfter);
        setEdge(m_horizontal, {column, area.bottom + 1}, style, kBefore);
    }
    for (int row = area.top; row <= area.bottom; ++row) {
        setEdge(m_vertical, {area.left, row}, style, kAfter);
        setEdge(m_vertical, {area.right + 1, row}, style, kBefore);
    }
}

void SheetBuilder::grid(const Area &area, Line style)
{
    for (int row = area.top + 1; row <= area.bottom; ++row)
        horizontal(row, area.left, area.right, style);
    for (int column = area.left + 1; column <= area.right; ++column)
        vertical(column, area.top, area.bottom, style);
}

void SheetBuilder::box(const Area &area, Line outer, Line inner)
{
    grid(area, inner);
    frame(area, outer);
}

void SheetBuilder::underline(const Area &area, Line style)
{
    for (int column = area.left; column <= area.right; ++column)
        setEdge(m_horizontal, {column, area.bottom + 1}, style, kBefore);
}

const CellRange *SheetBuilder::mergeOf(int column, int row) const
{
    for (const CellRange &merge : m_sheet.merges)
        if (merge.contains(column, row))
            return &merge;
    return nullptr;
}

bool SheetBuilder::sameMerge(int columnA, int rowA, int columnB, int rowB) const
{
    const CellRange *merge = mergeOf(columnA, rowA);
    return merge && merge->contains(columnB, rowB);
}

Worksheet SheetBuilder::build(FormBook &book) const
{
    Worksheet sheet = m_sheet;
    const double digit = book.digitWidthPoints();
    for (const auto &[column, millimetres] : m_columnMillimetres)
        sheet.columns.push_back({column, column, millimetres * kPointsPerMillimetre / digit, true, false, -1, {}});
    for (const auto &[row, millimetres] : m_rowMillimetres) {
        sheet.rows[row].height = millimetres * kPointsPerMillimetre;
        sheet.rows[row].customHeight = true;
    }

    // Every cell that shows something or carries a line gets a format of its own.
    std::set<Key> cells;
    for (const auto &[key, look] : m_looks)
        cells.insert(key);
    for (const auto &[key, edge] : m_horizontal) {
        if (edge.sides & kBefore)
            cells.insert({key.first, key.second - 1});
        if (edge.sides & kAfter)
            cells.insert(key);
    }
    for (const auto &[key, edge] : m_vertical) {
        if (edge.sides & kBefore)
            cells.insert({key.first - 1, key.second});
        if (edge.sides & kAfter)
            cells.insert(key);
    }
    const auto edge = [](const std::map<Key, Edge> &edges, Key key, int side) {
        const auto found = edges.find(key);
        return found == edges.end() || !(found->second.sides & side) ? Line::None : found->second.style;
    };
    for (const auto &[column, row] : cells) {
        if (column < 1 || row < 1)
            continue;
        Border border;
        if (!sameMerge(column, row, column, row - 1))
            border.top = line(edge(m_horizontal, {column, row}, kAfter));
        if (!sameMerge(column, row, column, row + 1))
            border.bottom = line(edge(m_horizontal, {column, row + 1}, kBefore));
        if (!sameMerge(column, row, column - 1, row))
            border.left = line(edge(m_vertical, {column, row}, kAfter));
        if (!sameMerge(column, row, column + 1, row))
            border.right = line(edge(m_vertical, {column + 1, row}, kBefore));
        const auto look = m_looks.find({column, row});
        Cell &cell = sheet.cellAt(column, row);
        cell.style = book.format(look == m_looks.end() ? CellLook{} : look->second, border);
        if (const auto text = m_texts.find({column, row}); text != m_texts.end()) {
            cell.type = Cell::Type::Text;
            cell.text = text->second;
        }
    }
    return sheet;
}

}  // namespace templates
