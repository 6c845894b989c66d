#include "BarcodePeers.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <unistd.h>

namespace peers {

namespace {
std::string quoted(const std::string &s)
{
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string run(const std::string &command)
{
    std::string out;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return out;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), p))
        out.append(buf.data(), n);
    pclose(p);
    return out;
}

int hexDigit(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}
}  // namespace

std::string scratchDir()
{
    if (const char *given = std::getenv("SORVIK_TEST_TMP"); given && *given) {
        std::filesystem::create_directories(given);
        return given;
    }
    // A folder of this process, removed when it ends.
    struct Owned
    {
        std::filesystem::path path
            = std::filesystem::temp_directory_path() / ("strilux-tests-" + std::to_string(getpid()));
        Owned() { std::filesystem::create_directories(path); }
        ~Owned()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Owned dir;
    return dir.path.string();
}

std::string binaryDir()
{
    if (const char *given = std::getenv("SORVIK_BINARY_DIR"); given && *given)
        return given;
    // Test programs live in <build>/tests.
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path().string();
}

std::vector<std::string> zxingDecode(const std::vector<std::string> &pngFiles, const std::string &format, bool pure)
{
    // "-1" prints one line per symbol found: <file> <format> "<text>"; files where nothing
    // was found are left out, so results are matched by file name.
    std::string command = std::string("ZXingReader -1 ") + (pure ? "-ispure " : "-noscale ") + "-format " + format;
    for (const auto &f : pngFiles)
        command += " " + quoted(f);
    std::istringstream lines(run(command + " 2>/dev/null"));
    std::map<std::string, std::string> byFile;
    for (std::string line; std::getline(lines, line);) {
        for (const auto &f : pngFiles) {
            if (line.starts_with(f + " ")) {
                const auto open = line.find('"', f.size());
                const auto close = line.rfind('"');
                if (open != std::string::npos && close > open)
                    byFile[f] = line.substr(open + 1, close - open - 1);
                break;
            }
        }
    }
    std::vector<std::string> texts;
    for (const auto &f : pngFiles)
        texts.push_back(byFile[f]);
    return texts;
}

std::string zintJapanPostBars(const std::string &value)
{
    // The dump has three rows (top, middle, bottom) of hexadecimal bits with one column per
    // bar and one per gap.
    std::istringstream dump(run("zint -b JAPANPOST --dump -d " + quoted(value) + " 2>/dev/null"));
    std::vector<std::string> rows;
    for (std::string line; std::getline(dump, line);) {
        std::string bits;
        for (char c : line)
            if (std::isxdigit(static_cast<unsigned char>(c)))
                for (int b = 3; b >= 0; --b)
                    bits += ((hexDigit(c) >> b) & 1) ? '1' : '0';
        rows.push_back(bits);
    }
    if (rows.size() != 3)
        return {};
    std::string bars;
    for (std::size_t col = 0; col < rows[1].size(); col += 2) {
        if (rows[1][col] != '1')
            break;
        const bool top = rows[0][col] == '1';
        const bool bottom = rows[2][col] == '1';
        bars += top && bottom ? '1' : top ? '2' : bottom ? '3' : '4';
    }
    return bars;
}

}  // namespace peers
