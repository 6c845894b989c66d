#include "Layout.h"

#include "LayoutTypes.h"

namespace strilux {

Layout layoutSymbol(const Symbol &symbol, const SymbolParams &params)
{
    const BarcodeType type = params.encode.type;
    if (isJanOrUpc(type))
        return layoutJanUpc(symbol, params);
    if (isItf(type))
        return layoutItf(symbol, params);
    if (type == BarcodeType::Custom)
        return layoutCustomer(symbol, params);
    return layoutElementSized(symbol, params);
}

SizeUm layoutSizeUm(const Layout &layout, const SymbolParams &params)
{
    if (!layout.device)
        return {layout.width, layout.height};
    return {pixelsToUm(layout.width, params.dpiX), pixelsToUm(layout.height, params.dpiY)};
}

}  // namespace strilux
