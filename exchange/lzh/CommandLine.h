#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik::lzh {

// A command line of the archiver: a command letter, switches such as "-n",
// and arguments, which may be double-quoted to hold spaces. A quote opens or
// closes a whole argument only; one anywhere else is refused, since a path
// holding it would split into arguments its author never meant.
struct CommandLine
{
    char command = 0;
    std::string switches;  // the letters of every switch, in order
    std::vector<std::string> arguments;

    // nullopt with error set when the line has no command or an unclosed quote.
    static std::optional<CommandLine> parse(std::string_view line, std::string &error);
};

// The folder and name pattern of a file argument such as "/work/Temp\*.*",
// "/work/Temp/*.csv" or "/work/Temp/": the last '\' or '/' splits them; no
// pattern means every file.
struct FileSpec
{
    std::string folder;
    std::string pattern;

    static FileSpec parse(const std::string &argument);
    // "*.*" and "*" take every name, as on the Windows side; other patterns
    // match like the shell's.
    bool matches(const std::string &name) const;
};

}  // namespace sorvik::lzh
