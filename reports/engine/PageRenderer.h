#pragma once

#include "PrintedPage.h"
#include "SheetGeometry.h"
#include "Workbook.h"

#include <QImage>
#include <QPainter>
#include <map>

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
    struct Frame;  // positions of the page's columns and rows

    // Paints the cells and drawings of a page's rows from the painter's origin; returns their height.
    double paintCells(QPainter &painter, const PrintedPage &page) const;

    void paintFills(QPainter &painter, const Frame &frame) const;
    void paintGrid(QPainter &painter, const Frame &frame) const;
    void paintTexts(QPainter &painter, const Frame &frame) const;
    void paintBorders(QPainter &painter, const Frame &frame) const;
    void paintDrawings(QPainter &painter, const Frame &frame) const;
    void paintHeaderFooter(QPainter &painter, const PrintedPage &page) const;
    void drawLine(QPainter &painter, const BorderLine &line, QPointF from, QPointF to) const;
    const QImage &image(const ImageData &data) const;

    const Workbook &m_book;
    mutable std::map<const ImageData *, QImage> m_images;
};

}  // namespace celvane
