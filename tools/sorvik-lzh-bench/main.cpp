// sorvik-lzh-bench: compresses a generated 20 MiB site corpus with our -lh5-
// encoder and with jlha's, and prints ratio and speed of both.
//   sorvik-lzh-bench [--size MIB] [--corpus DIR] [--no-jlha]
//                    [--chain N] [--lazy N] [--good N] [--nice N] [--block N] [--threads N]
#include "ArchiveExtractor.h"
#include "ArchiveWriter.h"
#include "BenchCorpus.h"

#include <QGuiApplication>

#include <sys/resource.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string shellQuoted(const std::string &text)
{
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

bool sameContent(const fs::path &a, const fs::path &b)
{
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(x), {}, std::istreambuf_iterator<char>(y), {});
}

void report(const char *who, std::uint64_t original, std::uint64_t packed, double time)
{
    std::printf("%-22s %10llu -> %10llu bytes  ratio %6.2f %%  %8.2f MB/s  (%.3f s)\n", who,
                static_cast<unsigned long long>(original), static_cast<unsigned long long>(packed),
                100.0 * static_cast<double>(packed) / static_cast<double>(original),
                static_cast<double>(original) / 1e6 / time, time);
}

struct Timing
{
    double wall = 1e9;
    double cpu = 1e9;  // processor time of every thread (and child), user and system
};

double childCpuSeconds()
{
    struct rusage usage
    {
    };
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Best of several runs of a shell command.
Timing timeCommand(const std::string &command, int runs)
{
    Timing best;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpuStart = childCpuSeconds();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", command.c_str());
            std::exit(1);
        }
        best.wall = std::min(best.wall, seconds(start));
        best.cpu = std::min(best.cpu, childCpuSeconds() - cpuStart);
    }
    return best;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    sorvik::lzh::Lh5Tuning tuning;
    // In memory where possible, so neither tool's figures include the disk.
    const fs::path scratch = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path corpus = scratch / "sorvik-lzh-bench";
    std::uint64_t mib = 20;
    bool withJlha = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() { return i + 1 < argc ? std::atoi(argv[++i]) : 0; };
        if (arg == "--size")
            mib = static_cast<std::uint64_t>(value());
        else if (arg == "--corpus" && i + 1 < argc)
            corpus = argv[++i];
        else if (arg == "--no-jlha")
            withJlha = false;
        else if (arg == "--chain")
            tuning.maxChain = value();
        else if (arg == "--lazy")
            tuning.lazyLength = value();
        else if (arg == "--good")
            tuning.goodLength = value();
        else if (arg == "--nice")
            tuning.niceLength = value();
        else if (arg == "--block")
            tuning.blockSymbols = value();
        else if (arg == "--threads")
            tuning.threads = value();
        else {
            std::fprintf(stderr, "unknown option %s\n", arg.c_str());
            return 2;
        }
    }

    const fs::path files = corpus / "files";
    if (!fs::exists(files)) {
        std::printf("generating %llu MiB corpus in %s\n", static_cast<unsigned long long>(mib), files.c_str());
        BenchCorpus(files).generate(mib << 20);
    }
    std::vector<fs::path> members;
    std::uint64_t original = 0;
    for (const auto &entry : fs::directory_iterator(files)) {
        members.push_back(entry.path());
        original += entry.file_size();
    }
    std::sort(members.begin(), members.end());

    const fs::path ours = corpus / "ours.lzh";
    Timing oursTime;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        const auto result = sorvik::lzh::ArchiveWriter(tuning).create(ours, members);
        oursTime.wall = std::min(oursTime.wall, seconds(start));
        oursTime.cpu = std::min(oursTime.cpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", result.message.c_str());
            return 1;
        }
    }
    report("sorvik -lh5- wall", original, fs::file_size(ours), oursTime.wall);
    report("sorvik -lh5- cpu", original, fs::file_size(ours), oursTime.cpu);

    const fs::path check = corpus / "check";
    fs::remove_all(check);
    const auto extracted = sorvik::lzh::ArchiveExtractor().extract(ours, check);
    for (const auto &member : members)
        if (!extracted.ok() || !sameContent(member, check / member.filename())) {
            std::fprintf(stderr, "round trip failed: %s\n", extracted.message.c_str());
            return 1;
        }
    fs::remove_all(check);

    if (!withJlha)
        return 0;
    const std::string java = "JAVA_TOOL_OPTIONS='-Dlha.encoding=MS932' ";
    const fs::path theirs = corpus / "jlha.lzh";
    std::string command = "cd " + shellQuoted(files.string()) + " && rm -f " + shellQuoted(theirs.string()) + " && "
        + java + "jlha aqo5 " + shellQuoted(theirs.string());
    for (const auto &member : members)
        command += " " + shellQuoted(member.filename().string());
    command += " >/dev/null 2>&1";
    const Timing jlha = timeCommand(command, 3);
    report("jlha -lh5- wall", original, fs::file_size(theirs), jlha.wall);
    report("jlha -lh5- cpu", original, fs::file_size(theirs), jlha.cpu);

    // The Java start-up is part of every jlha run, but show the compression alone too.
    const fs::path tiny = corpus / "tiny";
    fs::create_directories(tiny);
    std::ofstream(tiny / "a.txt") << "a";
    const Timing startup = timeCommand(
        "cd " + shellQuoted(tiny.string()) + " && rm -f t.lzh && " + java + "jlha aqo5 t.lzh a.txt >/dev/null 2>&1", 3);
    std::printf("jlha start-up %.3f s wall, %.3f s cpu\n", startup.wall, startup.cpu);
    std::printf("speed factor: %.1fx wall (%.1fx without start-up), %.1fx cpu (%.1fx without start-up)\n",
                jlha.wall / oursTime.wall, (jlha.wall - startup.wall) / oursTime.wall, jlha.cpu / oursTime.cpu,
                (jlha.cpu - startup.cpu) / oursTime.cpu);
    return 0;
}
