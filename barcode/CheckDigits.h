#pragma once

#include <string>
#include <string_view>

namespace strilux {

// Modulus 10 with weight 3 from the rightmost digit (JAN, UPC, ITF).
int modulus10Weight3(std::string_view digits);

// Modulus 10 from the rightmost digit with `weight` on odd positions; with `digitSums` a
// weighted product above 9 counts as the sum of its digits (Luhn).
int modulus10(std::string_view digits, int weight, bool digitSums);

// The eleven UPC-A digits that a UPC-E value (number system and six data digits) stands for.
std::string expandUpcE(std::string_view sevenDigits);

std::string digitsOnly(std::string_view text);

}  // namespace strilux
