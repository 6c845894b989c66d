#pragma once

#include <string>
#include <string_view>

namespace strilux {

// The symbologies are defined over the bytes of the Japanese ANSI code page (half-width
// katakana 0xC1-0xC8 are the customer barcode's control codes, 0x5C is the yen sign that
// NW-7 reads as "$"). Values arrive as UTF-8; these map the few characters that matter and
// turn everything else outside ASCII into kForeignByte, which no symbology accepts.
constexpr unsigned char kForeignByte = 0xFF;

std::string utf8ToSymbolBytes(std::string_view utf8);
std::string symbolBytesToUtf8(std::string_view bytes);

}  // namespace strilux
