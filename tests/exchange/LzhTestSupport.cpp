#include "LzhTestSupport.h"

#include "Cp932.h"
#include "LzhCommand.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/wait.h>

namespace sorvik::lzh::test {

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvik-lzh-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string randomBytes(std::size_t size, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::string bytes(size, '\0');
    for (auto &b : bytes)
        b = static_cast<char>(rng());
    return bytes;
}

std::string japaneseCsv(std::size_t size)
{
    static const std::array<const char *, 6> names{"佐藤 太郎", "鈴木 花子", "高橋 一郎",
                                                   "田中 美咲", "伊藤 健",   "渡辺 誠"};
    static const std::array<const char *, 5> trades{"とび工", "鉄筋工", "型枠大工", "電工", "配管工"};
    std::mt19937_64 rng(7);
    std::string utf8;
    for (int row = 1; utf8.size() < size * 2 / 3; ++row)
        utf8 += std::to_string(row) + "," + names[rng() % names.size()] + "," + trades[rng() % trades.size()] + ",19"
            + std::to_string(50 + rng() % 50) + "/0" + std::to_string(1 + rng() % 9) + "/1" + std::to_string(rng() % 10)
            + ",東京都中央区" + std::to_string(rng() % 100) + "丁目,玉掛け技能講習\r\n";
    std::string text = cp932(utf8);
    while (text.size() < size)
        text += text.substr(0, size - text.size());
    return text;
}

std::string cp932(const std::string &utf8)
{
    return sorvik::cp932::fromUtf8Exact(utf8).value();
}

void writeFile(const std::filesystem::path &file, const std::string &content)
{
    std::ofstream(file, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string readFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> listFolder(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ArchiverResult createArchive(const std::filesystem::path &archive, const std::filesystem::path &folder)
{
    return runCommand("a -n -y -t \"" + archive.string() + "\" \"" + folder.string() + "\\*.*\"");
}

ArchiverResult extractArchive(const std::filesystem::path &archive, const std::filesystem::path &folder)
{
    return runCommand("e -c -n -y \"" + archive.string() + "\" \"" + folder.string() + "\\\"");
}

int runShell(const std::string &command, std::string *output)
{
    std::FILE *pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    std::string text;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        text.append(buffer, n);
    const int status = ::pclose(pipe);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string shellQuoted(const std::string &text)
{
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace sorvik::lzh::test
