#pragma once

#include "Symbol.h"

#include <functional>
#include <string>
#include <string_view>

namespace strilux {

constexpr int kErrorInvalidCharacter = 5024;

// Keeps the characters a type accepts; any other character is dropped and recorded as 5024.
std::string acceptedCharacters(std::string_view bytes, const std::function<bool(unsigned char)> &accepts,
                               Symbol &symbol);

bool isDigit(unsigned char c);

// Cuts the digits to `length` or pads them on the right with "0"; with a check digit it
// replaces the last one, computed by `check` over the digits before it.
std::string fitDigits(std::string digits, std::size_t length, bool withCheck,
                      const std::function<int(std::string_view)> &check);

// The whole fitting of a fixed-length digit value into `symbol`: accepted digits, length,
// check digit (also kept as the symbol's check character).
void fitDigitValue(Symbol &symbol, std::string_view bytes, std::size_t length, bool withCheck,
                   const std::function<int(std::string_view)> &check);

}  // namespace strilux
