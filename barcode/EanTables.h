#pragma once

#include "SymbolBuilder.h"

#include <string_view>

namespace strilux {

// Digit patterns of the EAN/UPC code sets, seven modules each, 1 = bar.
enum class EanSet { L, G, R };
std::string_view eanPattern(EanSet set, char digit);

// Parities of the six left digits of EAN-13 by its first digit ("LGLLGG").
std::string_view ean13Parity(char firstDigit);
// Parities of the six UPC-E digits by the check digit, number system 0 ("GGGLLL").
std::string_view upcEParity(char checkDigit);

constexpr std::string_view kEanGuard = "101";
constexpr std::string_view kEanCentre = "01010";

// Adds one digit in `set` with its label under its seven modules.
void addEanDigit(SymbolBuilder &b, char digit, EanSet set, bool guard = false, bool labelled = true);

// UPC prints the number-system digit in the left margin and the check digit in the right
// margin, shifted left.
void addUpcLeftMargin(SymbolBuilder &b, char numberSystem);
void addUpcRightMargin(SymbolBuilder &b, char checkDigit);

}  // namespace strilux
