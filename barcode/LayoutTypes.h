#pragma once

#include "Layout.h"

namespace strilux {

// One layout per family of types.
Layout layoutJanUpc(const Symbol &symbol, const SymbolParams &params);
Layout layoutItf(const Symbol &symbol, const SymbolParams &params);
Layout layoutElementSized(const Symbol &symbol, const SymbolParams &params);
Layout layoutCustomer(const Symbol &symbol, const SymbolParams &params);

}  // namespace strilux
