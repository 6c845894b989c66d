#include "RenderProbe.h"

#include "SheetGeometry.h"

using namespace celvane;

QRectF RenderProbe::cell(int pageIndex, int column, int row, int lastColumn, int lastRow) const
{
    const PrintedPage &page = m_renderer.page(pageIndex);
    const SheetGeometry geometry(m_book.sheets[page.sheet], m_book.styles);
    const auto x = [&](int c) {
        double at = 0;
        for (int i = page.firstColumn; i < c; ++i)
            at += geometry.columnWidth(i);
        return page.origin.x() + at * page.scale;
    };
    const auto y = [&](int r) {
        double at = 0;
        for (int i = page.firstRow; i < r; ++i)
            at += geometry.rowHeight(i);
        return page.origin.y() + at * page.scale;
    };
    return QRectF(QPointF(x(column), y(row)),
                  QPointF(x((lastColumn ? lastColumn : column) + 1), y((lastRow ? lastRow : row) + 1)));
}

QRect RenderProbe::inked(const QImage &image, const QRectF &area, int threshold)
{
    const QRect box = area.toAlignedRect().intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(image.pixel(x, y)) < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect RenderProbe::coloured(const QImage &image, QColor colour, int tolerance)
{
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue())
                < tolerance) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
