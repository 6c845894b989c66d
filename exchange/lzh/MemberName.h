#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvik::lzh {

// Turns the name an archive gives a member into the name it may have on
// disk: the last component only, whatever folders, "..", drive letters or
// absolute paths the archive names, so nothing lands outside the target.
namespace member_name {

// The part after the last '/', '\\' or ':' of a stored CP932 name; the second
// byte of a two-byte character is never taken for a separator.
std::string bareBytes(std::string_view stored);

// The bare name as UTF-8: CP932 where the bytes are CP932, else UTF-8 as
// written by tools that store it, else with every odd byte replaced by '_'.
std::string toLocal(std::string_view bare);

// Names no file may have here or on the Windows side: empty, "." and "..",
// names with control characters, and the device names (CON, NUL, COM1 ...).
bool isReserved(std::string_view local);

}  // namespace member_name

}  // namespace sorvik::lzh
