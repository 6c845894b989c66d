#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvik::lzh {

// Member names travel in CP932, the code page of the Windows LHA tools;
// file names on this side are UTF-8.
namespace cp932 {

// nullopt when the name holds a character CP932 cannot represent.
std::optional<std::string> fromUtf8(std::string_view utf8);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> toUtf8(std::string_view bytes);
// True when the byte starts a two-byte character, whose second byte may be
// '\\' or '/'-like and must not be taken for a separator.
bool isLeadByte(unsigned char byte);

}  // namespace cp932

}  // namespace sorvik::lzh
