#pragma once

#include <string>

namespace strilux {

// The flat interface's ANSI texts are CP932; the control works in UTF-8. Characters that
// do not convert become "?" rather than cutting the text short.
std::string ansiToUtf8(const std::string &cp932);
std::string utf8ToAnsi(const std::string &utf8);

}  // namespace strilux
