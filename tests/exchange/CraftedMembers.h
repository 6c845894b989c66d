#pragma once

#include <string>

namespace sorvik::lzh::test {

// Stored (-lh0-) members with any name bytes at all, for archives no writer would make.
// Level 2 keeps the name in an extended header, level 0 as a whole MS-DOS path.
std::string levelTwoMember(const std::string &storedName, const std::string &data, const std::string &method = "-lh0-");
std::string levelZeroMember(const std::string &storedName, const std::string &data);

}  // namespace sorvik::lzh::test
