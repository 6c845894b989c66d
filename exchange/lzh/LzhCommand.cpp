#include "LzhCommand.h"

#include "ArchiveOperations.h"
#include "ArchiverMessages.h"
#include "CommandLine.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace sorvik::lzh {

namespace {

constexpr std::string_view kKnownSwitches = "nytc";

}  // namespace

ArchiverResult runCommand(std::string_view commandLine)
{
    const std::string line(commandLine);
    std::string error;
    const auto command = CommandLine::parse(line, error);
    if (!command)
        return messages::badCommand(line, error);
    for (const char s : command->switches)
        if (kKnownSwitches.find(s) == std::string_view::npos)
            return messages::badCommand(line, std::string("不明なスイッチ -") + s);

    const auto &arguments = command->arguments;
    switch (command->command) {
    case 'a':
        // Exactly one file argument: a quote inside a path given by someone else
        // could otherwise add folders to pack.
        if (arguments.size() != 2)
            return messages::badCommand(line, "書庫と圧縮するファイルを1つずつ指定してください");
        return packFiles(arguments[0], arguments[1]);
    case 'e':
        if (arguments.empty() || arguments.size() > 2)
            return messages::badCommand(line, "書庫と展開先のフォルダを指定してください");
        return unpackArchive(arguments[0], arguments.size() > 1 ? arguments[1] : ".");
    default:
        return messages::badCommand(line, std::string("不明なコマンド ") + command->command);
    }
}

}  // namespace sorvik::lzh

extern "C" int LzhCommand(void * /*window*/, const char *commandLine, char *output, std::size_t outputSize)
{
    try {
        const std::string line = commandLine ? commandLine : "";
        const sorvik::lzh::ArchiverResult result
            = sorvik::lzh::guarded([&] { return sorvik::lzh::runCommand(line); }, line);
        if (output && outputSize > 0) {
            std::size_t n = std::min(result.message.size(), outputSize - 1);
            while (n > 0 && n < result.message.size() && (result.message[n] & 0xC0) == 0x80)
                --n;  // never cut a character in two
            std::memcpy(output, result.message.data(), n);
            output[n] = '\0';
        }
        return static_cast<int>(result.error);
    } catch (...) {
        // Not even the message could be made; nothing may escape a C entry point.
        if (output && outputSize > 0)
            output[0] = '\0';
        return static_cast<int>(sorvik::lzh::ArchiverError::OutOfMemory);
    }
}
