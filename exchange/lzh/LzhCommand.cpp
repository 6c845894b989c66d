#include "LzhCommand.h"

#include "ArchiveExtractor.h"
#include "ArchiveWriter.h"
#include "ArchiverMessages.h"
#include "CommandLine.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace sorvik::lzh {

namespace {

constexpr std::string_view kKnownSwitches = "nytc";

std::string withoutTrailingSeparators(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

bool isHidden(const fs::path &file)
{
    return file.filename().string().starts_with('.');
}

// The regular files the arguments name, sorted, without the archive itself.
ArchiverResult selectFiles(const std::vector<std::string> &specs, const fs::path &archive, std::vector<fs::path> &files)
{
    std::error_code ec;
    for (const std::string &argument : specs) {
        const std::string whole = withoutTrailingSeparators(argument);
        const FileSpec pattern = fs::is_directory(whole, ec) ? FileSpec{whole, ""} : FileSpec::parse(argument);
        if (!fs::is_directory(pattern.folder, ec))
            return messages::folderMissing(pattern.folder);
        const std::size_t before = files.size();
        for (fs::directory_iterator it(pattern.folder, ec), end; !ec && it != end; it.increment(ec)) {
            const fs::path &file = it->path();
            if (isHidden(file) || !it->is_regular_file(ec) || !pattern.matches(file.filename().string()))
                continue;
            if (fs::exists(archive, ec) && fs::equivalent(file, archive, ec))
                continue;
            files.push_back(file);
        }
        if (ec)
            return messages::readFailed(pattern.folder, ec.value());
        if (files.size() == before)
            return messages::noFiles(pattern.folder);
    }
    std::sort(files.begin(), files.end());
    return {};
}

ArchiverResult create(const std::vector<std::string> &arguments)
{
    const fs::path archive = arguments.front();
    std::vector<fs::path> files;
    ArchiverResult selected = selectFiles({arguments.begin() + 1, arguments.end()}, archive, files);
    if (!selected.ok())
        return selected;
    return ArchiveWriter().create(archive, files);
}

ArchiverResult extract(const std::vector<std::string> &arguments)
{
    const std::string folder = arguments.size() > 1 ? withoutTrailingSeparators(arguments[1]) : ".";
    return ArchiveExtractor().extract(arguments.front(), folder);
}

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
        if (arguments.size() < 2)
            return messages::badCommand(line, "書庫と圧縮するファイルを指定してください");
        return create(arguments);
    case 'e':
        if (arguments.empty() || arguments.size() > 2)
            return messages::badCommand(line, "書庫と展開先のフォルダを指定してください");
        return extract(arguments);
    default:
        return messages::badCommand(line, std::string("不明なコマンド ") + command->command);
    }
}

}  // namespace sorvik::lzh

extern "C" int LzhCommand(void * /*window*/, const char *commandLine, char *output, std::size_t outputSize)
{
    const std::string line = commandLine ? commandLine : "";
    sorvik::lzh::ArchiverResult result;
    try {
        result = sorvik::lzh::runCommand(line);
    } catch (const std::exception &) {
        // Nothing may escape a C entry point; buffers are the only thing that can run out.
        result = sorvik::lzh::messages::outOfMemory(line);
    }
    if (output && outputSize > 0) {
        std::size_t n = std::min(result.message.size(), outputSize - 1);
        while (n > 0 && n < result.message.size() && (result.message[n] & 0xC0) == 0x80)
            --n;  // never cut a character in two
        std::memcpy(output, result.message.data(), n);
        output[n] = '\0';
    }
    return static_cast<int>(result.error);
}
