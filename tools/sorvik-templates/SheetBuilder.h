#pragma once

#include "Area.h"
#include "CellLook.h"
#include "Worksheet.h"

#include <initializer_list>
#include <map>
#include <optional>

namespace templates {

class FormBook;

enum class Paper { A4 = 9, A3 = 8 };
enum class Orientation { Portrait, Landscape };

// One sheet of a form, described as a person lays it out: paper and margins, column widths
// and row heights in millimetres, captions, marker cells and value cells (merged when they
// span several cells), and lines. Lines are kept per cell edge, so a later line replaces an
// earlier one on the same edge (draw the grid first, then the heavier frame), and edges
// inside merged cells are dropped. As in a spreadsheet, a frame or an underline belongs to
// the cells it surrounds, never to their neighbours, so that it stays on its own page where
// a page break runs along it; lines drawn with horizontal() and vertical() go to the cells
// on both sides. The cell formats are made when the sheet is built.
class SheetBuilder
{
public:
    using Line = celvane::LineStyle;

    explicit SheetBuilder(const QString &name);

    void page(Paper paper, Orientation orientation, double marginMillimetres = 10.0);
    // The whole print area on one sheet of paper, for forms that are one page.
    void fitToOnePage();
    void printArea(int lastColumn, int lastRow);
    void breakAfterRow(int row);
    void breakAfterColumn(int column);
    // Pages across before pages down, so that a form split by a column break prints its
    // two halves one after the other for every copy.
    void pagesAcrossThenDown();

    void columns(int first, std::initializer_list<double> millimetres);
    void columns(int first, int last, double millimetres);
    void rows(int first, int last, double millimetres);

    void text(const Area &area, const QString &text, const CellLook &look);
    // A cell the document fills: "**" + name, in the look the value takes.
    void marker(const Area &area, const QString &name, const CellLook &look);
    // A cell the document reaches by offset from a marker: merged and formatted, empty.
    void blank(const Area &area, const CellLook &look);

    void frame(const Area &area, Line style);
    void grid(const Area &area, Line style);
    void box(const Area &area, Line outer = Line::Medium, Line inner = Line::Thin);
    void horizontal(int rowEdge, int firstColumn, int lastColumn, Line style);  // above row rowEdge
    void vertical(int columnEdge, int firstRow, int lastRow, Line style);       // left of column columnEdge
    void underline(const Area &area, Line style = Line::Thin);

    celvane::Worksheet build(FormBook &book) const;

private:
    using Key = std::pair<int, int>;  // column, row
    // A line on the edge between two cells, and which of the two asked for it.
    struct Edge
    {
        Line style = Line::None;
        int sides = 0;
    };
    static constexpr int kBefore = 1;  // the cell above or to the left
    static constexpr int kAfter = 2;   // the cell below or to the right
    static constexpr int kBoth = kBefore | kAfter;

    void setEdge(std::map<Key, Edge> &edges, Key key, Line style, int sides);
    void place(const Area &area, const CellLook &look);
    bool sameMerge(int columnA, int rowA, int columnB, int rowB) const;
    const celvane::CellRange *mergeOf(int column, int row) const;

    celvane::Worksheet m_sheet;
    std::map<Key, CellLook> m_looks;
    std::map<Key, QString> m_texts;
    std::map<int, double> m_columnMillimetres;
    std::map<int, double> m_rowMillimetres;
    std::map<Key, Edge> m_horizontal;  // column, row edge
    std::map<Key, Edge> m_vertical;    // column edge, row
};

}  // namespace templates
