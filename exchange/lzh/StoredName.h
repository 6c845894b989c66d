#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace sorvik::lzh {

// The file name exactly as a member header stores it (CP932 bytes, folder
// part included). liblhasa's parsed name lowercases all-capital MS-DOS names
// and splits at '\' bytes that are half of a CP932 character, so names are
// taken from the raw header of levels 0 to 2 instead.
std::optional<std::string> storedName(const std::uint8_t *header, std::size_t size);

}  // namespace sorvik::lzh
