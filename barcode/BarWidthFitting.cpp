#include "BarWidthFitting.h"

#include "Nw7Tables.h"
#include "TypeLimits.h"
#include "Units.h"

#include <cmath>

namespace strilux {

namespace {
// Width in narrow modules, without quiet zones.
double modules(const Symbol &symbol, const SymbolParams &p)
{
    const double r = p.barRatio == 0 ? 2.0 : p.barRatio / 100.0;
    const bool withCheck = p.encode.withCheck();
    switch (p.encode.type) {
    case BarcodeType::NW7: {
        const std::string value = withCheck && !symbol.checkChar.empty()
            ? symbol.encoded.substr(0, symbol.encoded.size() - symbol.checkChar.size())
            : symbol.encoded;
        double m = 2 * (3 * r + 4);
        for (char c : value)
            m += (isNw7Narrow(static_cast<unsigned char>(c)) ? 2 * r + 5 : 3 * r + 4) + 1;
        if (withCheck && !symbol.checkChar.empty())
            m += isNw7Narrow(static_cast<unsigned char>(symbol.checkChar[0])) ? 2 * r + 6 : 3 * r + 5;
        return m;
    }
    case BarcodeType::Code39: {
        const int c = symbol.characters - (withCheck ? 1 : 0);
        return (c + 2) * (3 * r + 6) + (c + 1) + (withCheck ? 3 * r + 7 : 0);
    }
    default:
        return 11.0 * symbol.symbolCount + 24;
    }
}
}  // namespace

std::int64_t fittedElement(const Symbol &symbol, const SymbolParams &p, std::int64_t width)
{
    const double m = modules(symbol, p);
    double d;
    if (p.quiet == 0) {
        // Ten modules of quiet zone on each side, unless that makes the element narrower
        // than 0.254 mm: then the quiet zones are 2.54 mm each.
        d = width / (m + 20);
        if (d < 254)
            d = (width - 2.0 * limits::kMinimumQuiet) / m;
    } else {
        d = (width - 2.0 * p.quiet) / m;
    }
    auto um = static_cast<std::int64_t>(d);
    if (p.deviceMode)
        um = pixelsToUm(umToPixels(um, p.dpiX), p.dpiX);
    return um;
}

}  // namespace strilux
