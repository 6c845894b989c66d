// LZH archives as a hostile site might send them: any bytes at all, extracted into a
// folder that holds links to a folder and a file outside it. Extraction may fail, but it
// must never crash, never write outside the folder, never follow or replace a link, and
// never leave its staging behind. Any of those aborts.
#include "ArchiveOperations.h"
#include "ArchiveWriter.h"
#include "CraftedMembers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void escape(const std::string &what)
{
    std::fprintf(stderr, "fuzz-lzh: escape: %s\n", what.c_str());
    std::abort();
}

void writeBytes(const fs::path &file, const std::string &bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.flush())
        std::abort();
}

std::string readBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch tree on tmpfs where there is one (extraction flushes every file):
//   archive.lzh, target/ with the planted links, outside/victim.txt
class Arena
{
public:
    Arena()
    {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "sorvik-fuzz-lzh-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        fs::create_directories(target());
        fs::create_directories(outside());
        writeBytes(outside() / "victim.txt", "victim");
        for (const auto &[name, to] : links())
            fs::create_symlink(to, target() / name);
    }
    ~Arena() { fs::remove_all(root); }

    fs::path archive() const { return root / "archive.lzh"; }
    fs::path target() const { return root / "target"; }
    fs::path outside() const { return root / "outside"; }

    // Names a decoded member might end in, pointing out of the folder.
    std::vector<std::pair<std::string, fs::path>> links() const
    {
        return {{"link_", outside()}, {"_", outside()}, {"x", outside()}, {"RECORD.CSV", outside() / "victim.txt"}};
    }

    // Everything outside the target is as it was and the target holds only the planted
    // links and regular files; the files are removed for the next input.
    void checkAndClear() const
    {
        std::set<std::string> rootNames;
        for (const auto &entry : fs::directory_iterator(root))
            rootNames.insert(entry.path().filename().string());
        if (rootNames != std::set<std::string>{"archive.lzh", "target", "outside"})
            escape("a file appeared beside the target folder");
        std::vector<fs::path> outsideNames;
        for (const auto &entry : fs::directory_iterator(outside()))
            outsideNames.push_back(entry.path());
        if (outsideNames.size() != 1 || readBytes(outside() / "victim.txt") != "victim")
            escape("the folder a link points to was written");
        std::set<std::string> planted;
        for (const auto &[name, to] : links()) {
            const fs::path link = target() / name;
            if (!fs::is_symlink(link) || fs::read_symlink(link) != to)
                escape("the link " + name + " was replaced");
            planted.insert(name);
        }
        for (const auto &entry : fs::directory_iterator(target())) {
            const std::string name = entry.path().filename().string();
            if (planted.count(name))
                continue;
            if (!entry.is_regular_file() || entry.is_symlink())
                escape("extraction left something that is not a file: " + name);
            fs::remove(entry.path());
        }
    }

    fs::path root;
};

Arena &arena()
{
    static Arena instance;
    return instance;
}

// A compressed archive of our own writer, so that the decoders get -lh5- data to chew on.
std::string compressedArchive()
{
    const fs::path folder = arena().root / "seed";
    fs::create_directories(folder);
    std::string csv;
    for (int row = 0; row < 300; ++row)
        csv += std::to_string(row) + ",\x8E\x52\x93\x63\x91\xBE\x98\x59," + std::to_string(row * 7919 % 1000) + "\r\n";
    writeBytes(folder / "RECORD.CSV", csv);
    writeBytes(folder / "SCHEME.TXT", "0.5\r\n2\r\n");
    const fs::path archive = arena().root / "seed.lzh";
    const auto result = sorvik::lzh::ArchiveWriter().create(archive, {folder / "RECORD.CSV", folder / "SCHEME.TXT"});
    const std::string bytes = result.ok() ? readBytes(archive) : std::string();
    fs::remove_all(folder);
    fs::remove(archive);
    return bytes;
}

}  // namespace

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    using sorvik::lzh::test::levelTwoMember;
    using sorvik::lzh::test::levelZeroMember;
    const std::string end(1, '\0');
    seeds.push_back(compressedArchive());
    seeds.push_back(levelTwoMember("link\x81/evil.txt", "through a lead byte")
                    + levelZeroMember("link_/evil2.txt", "plain") + end);
    seeds.push_back(levelZeroMember("..\\..\\x", "up") + levelTwoMember("/etc/x", "absolute")
                    + levelTwoMember("C:\\x", "drive") + end);
    seeds.push_back(levelZeroMember("\x93\xFA\x96\x7B\\\x95\x5C.CSV", "cp932")
                    + levelTwoMember("日本語/file.txt", "utf-8") + end);
    seeds.push_back(levelTwoMember("RECORD.CSV", "through the file link") + levelTwoMember("a.txt", "a") + end);
    seeds.push_back(levelTwoMember("a.txt", "first") + levelTwoMember("x\\a.txt", "second")
                    + levelZeroMember("_\\\xFFx", "ff") + end);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Arena &a = arena();
    writeBytes(a.archive(), std::string(reinterpret_cast<const char *>(data), size));
    const auto result = sorvik::lzh::guarded(
        [&] { return sorvik::lzh::unpackArchive(a.archive(), a.target().string()); }, a.archive().string());
    if (!result.ok() && result.message.empty())
        std::abort();  // every failure tells why
    a.checkAndClear();
    return 0;
}
