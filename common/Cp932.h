#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvik::cp932 {

// Shift-JIS as Windows writes it (code page 932): the encoding of every text file Sorvik
// exchanges with sites running the Windows system (configuration, package members, unit
// files, archive member names, the barcode library's ANSI texts). Everything on this side
// is UTF-8. The C library's iconv does the work; this is the one place that calls it.

// UTF-8 to CP932. A character CP932 cannot hold (or a broken UTF-8 sequence) becomes '?';
// each such character is appended to `*unencodable` when given, so a caller can name it.
std::string fromUtf8(std::string_view utf8, std::u32string *unencodable = nullptr);

// UTF-8 to CP932, or nullopt when any character cannot be held.
std::optional<std::string> fromUtf8Exact(std::string_view utf8);

// CP932 to UTF-8. Bytes that are not valid CP932 become U+FFFD; `*valid` tells whether any did.
std::string toUtf8(std::string_view bytes, bool *valid = nullptr);

// CP932 to UTF-8, or nullopt when the bytes are not valid CP932.
std::optional<std::string> toUtf8Exact(std::string_view bytes);

// True when the byte starts a two-byte character. Its second byte may equal '\\', '/', '|'
// or another ASCII sign and must not be taken for one.
bool isLeadByte(unsigned char byte);

}  // namespace sorvik::cp932
