#pragma once

#include "EncodeOptions.h"
#include "Symbol.h"

#include <string>
#include <string_view>

namespace strilux {

// Encodes a UTF-8 value with the type and options; texts of the result are UTF-8.
Symbol encode(std::string_view value, const EncodeOptions &options);

// The check character the type computes for the value, empty with ccNo.
std::string checkCharacter(std::string_view value, const EncodeOptions &options);

}  // namespace strilux
