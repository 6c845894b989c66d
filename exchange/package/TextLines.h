#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik::package {

// The lines of a text member's bytes. CR LF, a lone CR and a lone LF each end a line, as
// the Windows string list reads them; a last line without an ending counts, an ending at
// the very end adds no empty line.
std::vector<std::string_view> splitLines(std::string_view bytes);

// The lines, each followed by CR LF: how every text member is written.
std::string joinLines(const std::vector<std::string> &lines);

}  // namespace sorvik::package
