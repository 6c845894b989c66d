#include "Renderer.h"

#include <algorithm>
#include <utility>

namespace strilux {

namespace {
struct Point
{
    int x, y;
};

// Quarter turns counter-clockwise of a point of a W x H layout.
Point rotated(Point p, int rotate, int w, int h)
{
    switch (rotate) {
    case 1:
        return {p.y, w - p.x};
    case 2:
        return {w - p.x, h - p.y};
    case 3:
        return {h - p.y, p.x};
    default:
        return p;
    }
}

class Mapper
{
public:
    Mapper(const Layout &layout, int rotate)
        : m_layout(layout)
        , m_rotate(rotate)
    {
    }

    // Layout units to logical: µm to 0.01 mm with y negated, or pixels as they are.
    Point logical(Point layoutPoint) const
    {
        const Point r = rotated(layoutPoint, m_rotate, m_layout.width, m_layout.height);
        return m_layout.device ? r : Point{r.x / 10, -(r.y / 10)};
    }
    int length(int units) const { return m_layout.device ? units : units / 10; }

private:
    const Layout &m_layout;
    int m_rotate;
};
}  // namespace

LogicalExtent logicalExtent(const Layout &layout, int rotate)
{
    const bool quarter = rotate % 2 != 0;
    const int w = quarter ? layout.height : layout.width;
    const int h = quarter ? layout.width : layout.height;
    return layout.device ? LogicalExtent{w, h} : LogicalExtent{w / 10, h / 10};
}

void renderLayout(Canvas &canvas, const Layout &layout, const SymbolParams &params)
{
    const int rotate = params.rotate & 3;
    const Mapper map(layout, rotate);
    canvas.setMapMode(layout.device ? MapMode::Pixels : MapMode::HiMetric);
    const LogicalExtent extent = logicalExtent(layout, rotate);
    canvas.fillRect(0, 0, extent.width, layout.device ? extent.height : -extent.height, params.backColor);
    for (const auto &bar : layout.bars) {
        const Point a = map.logical({bar.left, bar.top});
        const Point b = map.logical({bar.right, bar.bottom});
        canvas.fillRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
                        params.barColor);
    }
    FontSpec font{params.fontFace,
                  map.length(layout.charWidth),
                  map.length(layout.charHeight),
                  params.bold ? 700 : 400,
                  params.italic,
                  900 * rotate};
    for (const auto &text : layout.texts) {
        const Point p = map.logical({text.left, text.top});
        canvas.drawText(p.x, p.y, text.text, font, params.barColor);
    }
}

}  // namespace strilux
