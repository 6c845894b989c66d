#include "LayoutScale.h"
#include "LayoutTypes.h"

#include <algorithm>

namespace strilux {

Layout layoutCustomer(const Symbol &symbol, const SymbolParams &p)
{
    const LayoutScale scale(p);
    Layout layout;
    layout.device = p.deviceMode;
    // The point size sets the long bar; bars are a sixth of it wide, a third apart.
    const std::int64_t heightUm = std::int64_t(p.zoom / 10) * 1000 * 254 / 720;
    int h = scale.y(heightUm);
    if (scale.device())
        h = std::max(6, (h + 5) / 6 * 6);
    const int barWidth = std::max(scale.device() ? 1 : 0, h / 6);
    const int pitch = h / 3;
    int x = 0;
    for (PostalBar kind : symbol.postalBars) {
        int top = 0, bottom = h;
        switch (kind) {
        case PostalBar::Empty:
            top = bottom = 0;
            break;
        case PostalBar::Long:
            break;
        case PostalBar::Ascender:
            bottom = 4 * h / 6;
            break;
        case PostalBar::Descender:
            top = 2 * h / 6;
            break;
        case PostalBar::Timing:
            top = 2 * h / 6;
            bottom = 4 * h / 6;
            break;
        }
        if (bottom > top)
            layout.bars.push_back(scale.correctedBar(x, top, x + barWidth, bottom));
        x += pitch;
    }
    layout.width = h * int(symbol.postalBars.size() / 3);
    layout.height = h;
    return layout;
}

}  // namespace strilux
