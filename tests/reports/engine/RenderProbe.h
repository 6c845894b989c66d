#pragma once

#include "DocumentRenderer.h"
#include "Workbook.h"

#include <QImage>
#include <QRect>

// Renders pages at 72 dpi, so one pixel is one point, and looks at them as a person would.
class RenderProbe
{
public:
    explicit RenderProbe(const celvane::Workbook &book)
        : m_book(book)
        , m_renderer(book)
    {
    }

    int pages() const { return m_renderer.pageCount(); }
    QImage page(int index) const { return m_renderer.pageImage(index, 72); }
    // Where a cell (or merge) lies on a page, in pixels.
    QRectF cell(int pageIndex, int column, int row, int lastColumn = 0, int lastRow = 0) const;
    // The box around the pixels that are not near white inside a rectangle; empty when none.
    static QRect inked(const QImage &image, const QRectF &area, int threshold = 160);
    // The box around the pixels close to a colour.
    static QRect coloured(const QImage &image, QColor colour, int tolerance = 60);

private:
    const celvane::Workbook &m_book;
    celvane::DocumentRenderer m_renderer;
};
