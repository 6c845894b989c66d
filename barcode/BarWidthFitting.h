#pragma once

#include "Symbol.h"
#include "SymbolParams.h"

#include <cstdint>

namespace strilux {

// The narrow element (µm) that makes an NW-7, Code 39 or Code 128 symbol `width` µm wide.
std::int64_t fittedElement(const Symbol &symbol, const SymbolParams &params, std::int64_t width);

}  // namespace strilux
