#pragma once

#include "ArchiverResult.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sorvik::lzh::test {

// A folder of its own for one test, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string randomBytes(std::size_t size, std::uint64_t seed);
// Roster-like CSV rows in CP932 with CR LF, about size bytes.
std::string japaneseCsv(std::size_t size);
std::string cp932(const std::string &utf8);

void writeFile(const std::filesystem::path &file, const std::string &content);
std::string readFile(const std::filesystem::path &file);
// Names in the folder, sorted.
std::vector<std::string> listFolder(const std::filesystem::path &folder);

ArchiverResult createArchive(const std::filesystem::path &archive, const std::filesystem::path &folder);
ArchiverResult extractArchive(const std::filesystem::path &archive, const std::filesystem::path &folder);

// Runs a shell command; returns its exit status and fills output with stdout and stderr.
int runShell(const std::string &command, std::string *output = nullptr);
std::string shellQuoted(const std::string &text);

}  // namespace sorvik::lzh::test
