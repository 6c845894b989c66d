#include "LayoutScale.h"
#include "LayoutTypes.h"
#include "TypeLimits.h"

namespace strilux {

Layout layoutItf(const Symbol &symbol, const SymbolParams &p)
{
    const LayoutScale scale(p);
    Layout layout;
    layout.device = p.deviceMode;
    int narrow = scale.x(limits::zoomedModule(p.encode.type, p.zoom));
    if (narrow == 0)
        narrow = 2;
    const int wide = narrow * 5 / 2;
    const std::int64_t bearerUm = p.bearer ? std::int64_t(p.zoom) * 48 : 0;
    const int bx = scale.x(bearerUm);
    const int by = scale.y(bearerUm);
    const int barHeight = scale.y(p.barHeight ? p.barHeight : std::int64_t(p.zoom) * 318);
    layout.charWidth = scale.x(p.charWidth ? p.charWidth : std::int64_t(p.zoom) * 365 / 10);
    layout.charHeight = scale.y(p.charHeight ? p.charHeight : std::int64_t(p.zoom) * 572 / 10);

    const int digits = int(symbol.encoded.size());
    layout.width = narrow * (8 * digits + 28) + 2 * bx;
    const int symbolHeight = barHeight + 2 * by;
    layout.height = symbolHeight + (p.message ? layout.charHeight : 0);
    if (bx > 0) {
        // The frame keeps its width whatever the bar-width correction.
        const int w = layout.width;
        layout.bars.push_back({0, 0, w, by});
        layout.bars.push_back({0, symbolHeight - by, w, symbolHeight});
        layout.bars.push_back({0, 0, bx, symbolHeight});
        layout.bars.push_back({w - bx, 0, w, symbolHeight});
    }
    int x = 10 * narrow + bx;
    for (const auto &e : symbol.elements) {
        const int w = e.width == ElementWidth::Wide ? wide : narrow;
        if (e.bar)
            layout.bars.push_back(scale.correctedBar(x, 0, x + w, symbolHeight));
        x += w;
    }
    if (p.message)
        placeTextLine(layout, symbol.line, symbolHeight - 1);
    return layout;
}

}  // namespace strilux
