#pragma once

#include "BarcodeTypes.h"

#include <string>
#include <string_view>

namespace strilux {

// Value of an NW-7 character in the check computations (0-19), or -1.
int nw7Value(unsigned char c);
// Seven elements, bar first, 1 = wide.
std::string_view nw7Pattern(unsigned char c);
bool isNw7StartStop(unsigned char c);
bool isNw7ValueCharacter(unsigned char c);
// Digits, "-" and "$" have two wide elements; the others three.
bool isNw7Narrow(unsigned char c);

// The check character of `value` drawn between `start` and `stop`.
std::string nw7CheckCharacter(std::string_view value, unsigned char start, unsigned char stop, CheckPattern pattern);

}  // namespace strilux
