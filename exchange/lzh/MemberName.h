#pragma once

#include <string>
#include <string_view>

namespace sorvik::lzh {

// Turns the name an archive gives a member into the name it may have on
// disk: the last component only, whatever folders, "..", drive letters or
// absolute paths the archive names, so nothing lands outside the target.
namespace member_name {

// The bare name as UTF-8. The stored bytes are decoded first, and only the
// decoded text is cut after its last '/', '\\' or ':', so a separator can
// hide neither behind the lead byte of a two-byte character nor inside an
// undecodable sequence. Bytes are read as CP932 where they are CP932, else as
// UTF-8 (Unix tools), else as CP932 with every undecodable byte as '_'. The
// byte 0xFF, which no text holds, separates folders in Unix archives.
std::string local(std::string_view stored);

// The whole stored name decoded as above, folders included, for messages.
std::string text(std::string_view stored);

// Names no file may have here or on the Windows side: empty, "." and "..",
// names with separators or control characters, and the device names (CON,
// NUL, COM1 ...).
bool isReserved(std::string_view local);

}  // namespace member_name

}  // namespace sorvik::lzh
