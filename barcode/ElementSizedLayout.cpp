#include "LayoutScale.h"
#include "LayoutTypes.h"
#include "TypeLimits.h"

#include <algorithm>

namespace strilux {

namespace {
struct Widths
{
    std::int64_t narrow, wide, gap;

    std::int64_t of(const Element &e) const
    {
        switch (e.width) {
        case ElementWidth::Modules:
            return narrow * e.modules;
        case ElementWidth::Wide:
            return wide;
        case ElementWidth::Gap:
            return gap;
        case ElementWidth::Narrow:
            break;
        }
        return narrow;
    }
};

std::int64_t runWidth(const Symbol &symbol, const Widths &w)
{
    std::int64_t sum = 0;
    for (const auto &e : symbol.elements)
        sum += w.of(e);
    return sum;
}
}  // namespace

// NW-7, Code 39 and Code 128: a narrow element, quiet zones and defaults derived from them.
Layout layoutElementSized(const Symbol &symbol, const SymbolParams &p)
{
    const LayoutScale scale(p);
    const BarcodeType type = p.encode.type;
    const std::int64_t n = limits::element(type, p.element);
    const int ratio = limits::barRatio(type, p.barRatio, n);
    const std::int64_t gapDefault = n;
    const Widths um{n, n * ratio / 100, type == BarcodeType::Code39 && p.charGap ? p.charGap : gapDefault};
    const std::int64_t quiet = p.quiet ? p.quiet : std::max<std::int64_t>(10 * n, limits::kMinimumQuiet);
    const std::int64_t barHeightUm = p.barHeight ? p.barHeight : (runWidth(symbol, um) + 2 * 508) * 15 / 100;

    Layout layout;
    layout.device = p.deviceMode;
    layout.charWidth = scale.x(p.charWidth ? p.charWidth : 5 * n);
    layout.charHeight = scale.y(p.charHeight ? p.charHeight : 8 * n);
    const int barHeight = scale.y(barHeightUm);
    Widths units = um;
    if (scale.device()) {
        // Whole pixels first, the wide element keeping its ratio to the narrow one.
        units.narrow = scale.narrow(n);
        units.wide = units.narrow * ratio / 100;
        units.gap = std::max(1, scale.x(um.gap));
    }
    const int q = scale.x(quiet);
    std::vector<int> starts;
    int x = q;
    for (const auto &e : symbol.elements) {
        starts.push_back(x);
        const int w = int(units.of(e));
        if (e.bar)
            layout.bars.push_back({x, 0, x + w, barHeight});
        x += w;
    }
    starts.push_back(x);
    layout.width = x + q;
    layout.height = barHeight + (p.message ? layout.charHeight : 0);
    if (!p.message)
        return layout;
    for (const auto &label : symbol.labels) {
        const int left = centredLeft(starts[label.firstElement], starts[label.endElement], characterCount(label.text),
                                     layout.charWidth);
        layout.texts.push_back({label.text, left, barHeight - 1});
    }
    placeTextLine(layout, symbol.line, barHeight - 1);
    return layout;
}

}  // namespace strilux
