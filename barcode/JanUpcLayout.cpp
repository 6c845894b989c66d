#include "LayoutScale.h"
#include "LayoutTypes.h"
#include "TypeLimits.h"

namespace strilux {

Layout layoutJanUpc(const Symbol &symbol, const SymbolParams &p)
{
    const LayoutScale scale(p);
    Layout layout;
    layout.device = p.deviceMode;
    const int module = scale.narrow(limits::zoomedModule(p.encode.type, p.zoom));
    const int barHeight = scale.y(p.barHeight ? p.barHeight : std::int64_t(p.zoom) * 225);
    // Guard bars reach 1 mm into the digits unless there are no digits or they are flat.
    const int guardExtra = p.message && p.flatHeight == 0 ? scale.y(std::int64_t(p.zoom) * 10) : 0;
    layout.charWidth = scale.x(p.charWidth ? p.charWidth : std::int64_t(p.zoom) * 14);
    layout.charHeight = scale.y(p.charHeight ? p.charHeight : std::int64_t(p.zoom) * 24);

    std::vector<int> starts;
    int x = 0;
    for (const auto &e : symbol.elements) {
        starts.push_back(x);
        const int w = e.modules * module;
        if (e.bar)
            layout.bars.push_back(scale.correctedBar(x, 0, x + w, barHeight + (e.guard ? guardExtra : 0)));
        x += w;
    }
    starts.push_back(x);
    layout.width = x;
    layout.height = barHeight + (p.message ? layout.charHeight : 0);
    if (p.message) {
        for (const auto &label : symbol.labels) {
            int left = centredLeft(starts[label.firstElement], starts[label.endElement], characterCount(label.text),
                                   layout.charWidth);
            if (label.shiftLeft)
                left -= 3;
            layout.texts.push_back({label.text, left, barHeight});
        }
    }
    return layout;
}

}  // namespace strilux
