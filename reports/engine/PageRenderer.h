#pragma once

#include "MergeIndex.h"
#include "NumberFormat.h"
#include "PageFrame.h"
#include "PrintedPage.h"
#include "SheetGeometry.h"
#include "Workbook.h"

#include <QImage>
#include <QPainter>
#include <map>
#include <memory>

namespace celvane {

// Paints one printed page of a workbook: fills, text, borders, pictures, shapes, header
// and footer. The painter's units are points of the paper, its origin the paper's corner.
class PageRenderer
{
public:
    explicit PageRenderer(const Workbook &book)
        : m_book(book)
    {
    }
    void paint(QPainter &painter, const PrintedPage &page) const;

private:
    // What every page of a sheet shares: column and row positions, merged blocks.
    struct SheetLayout
    {
        SheetGeometry geometry;
        MergeIndex merges;
    };
    const SheetLayout &layoutOf(int sheet) const;
    const NumberFormat &numberFormat(int formatIndex) const;
    const QFont &fontOf(int fontId, const QPaintDevice *device) const;
    void paintCellText(QPainter &painter, const PageFrame &frame, int column, int row, const Cell &cell,
                       const CellRange *merge) const;
    static QString fittedNumber(QPainter &painter, const QFont &font, const FormattedValue &shown, double value,
                                double room);

    // Paints the cells and drawings of a page's rows from the painter's origin; returns their height.
    double paintCells(QPainter &painter, const PrintedPage &page) const;

    void paintFills(QPainter &painter, const PageFrame &frame) const;
    void paintGrid(QPainter &painter, const PageFrame &frame) const;
    void paintTexts(QPainter &painter, const PageFrame &frame) const;
    void paintBorders(QPainter &painter, const PageFrame &frame) const;
    void paintDrawings(QPainter &painter, const PageFrame &frame) const;
    void paintHeaderFooter(QPainter &painter, const PrintedPage &page) const;
    void strokeLines(QPainter &painter, const BorderLine &line, const std::vector<QLineF> &lines) const;

    const Workbook &m_book;
    mutable std::map<int, std::unique_ptr<SheetLayout>> m_layouts;
    mutable std::map<int, NumberFormat> m_numberFormats;
    mutable std::map<std::pair<int, int>, QFont> m_fonts;
};

}  // namespace celvane
