#pragma once

#include "EncodeOptions.h"
#include "Symbol.h"

#include <string_view>

namespace strilux {

// One encoder per symbology. Each takes the value as symbology bytes (AnsiText.h) and
// returns the fitted value, the element sequence with margins and the human-readable text.
Symbol encodeJan(std::string_view value, const EncodeOptions &options);
Symbol encodeUpcA(std::string_view value, const EncodeOptions &options);
Symbol encodeUpcE(std::string_view value, const EncodeOptions &options);
Symbol encodeItf(std::string_view value, const EncodeOptions &options);
Symbol encodeNw7(std::string_view value, const EncodeOptions &options);
Symbol encodeCode39(std::string_view value, const EncodeOptions &options);
Symbol encodeCode128(std::string_view value, const EncodeOptions &options);
Symbol encodeCustomer(std::string_view value, const EncodeOptions &options);

}  // namespace strilux
