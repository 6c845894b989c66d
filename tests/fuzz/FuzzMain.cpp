// The driver of every fuzz target: mutates seed inputs deterministically and hands each to
// the target's LLVMFuzzerTestOneInput. A crash (sanitizer report, signal) or an input that
// runs longer than the time limit leaves the input in fuzz-crash-<target>.bin and fails.
//
//   TARGET [--runs N] [--seed S] [--timeout SECONDS] [FILE|FOLDER ...]
//
// The same seed and runs give the same inputs, so a ctest failure can be repeated.

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds) __attribute__((weak));
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

// Targets that draw text start Qt's font handling, and fontconfig keeps a few bytes of its
// configuration until the process ends; they are not ours.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace {

// Plain storage, not std::string: the sanitizers' death callback and the leak check run
// after static destructors, when a std::string would already be gone.
std::vector<char> *g_current = new std::vector<char>;  // never freed, on purpose
char g_crashFile[4096];

void saveCurrentInput()
{
    if (!g_crashFile[0])
        return;
    if (FILE *f = std::fopen(g_crashFile, "wb")) {
        std::fwrite(g_current->data(), 1, g_current->size(), f);
        std::fclose(f);
        std::fprintf(stderr, "fuzz: input kept in %s (%zu bytes)\n", g_crashFile, g_current->size());
    }
}

void onFatalSignal(int signal)
{
    std::fprintf(stderr, "fuzz: %s\n", signal == SIGALRM ? "input ran past the time limit" : strsignal(signal));
    // Once only: an abort while saving must not come back here.
    std::signal(SIGABRT, SIG_DFL);
    saveCurrentInput();
    std::_Exit(1);
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void addSeeds(const std::filesystem::path &path, std::vector<std::string> &seeds)
{
    if (std::filesystem::is_directory(path)) {
        std::vector<std::filesystem::path> files;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(path))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto &f : files)
            seeds.push_back(readFile(f));
    } else if (std::filesystem::is_regular_file(path)) {
        seeds.push_back(readFile(path));
    } else {
        std::fprintf(stderr, "fuzz: no seed file or folder %s\n", path.c_str());
        std::exit(2);
    }
}

class Mutator
{
public:
    explicit Mutator(uint64_t seed)
        : m_random(seed)
    {
    }

    std::string mutate(std::string input, const std::vector<std::string> &seeds)
    {
        const int count = 1 + int(below(4));
        for (int i = 0; i < count; ++i)
            mutateOnce(input, seeds);
        return input;
    }

private:
    uint64_t below(uint64_t n) { return n ? m_random() % n : 0; }

    void mutateOnce(std::string &s, const std::vector<std::string> &seeds)
    {
        static const uint32_t interesting[] = {0, 1, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF,
                                               0x10000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};
        switch (below(s.empty() ? 2 : 9)) {
        case 0:  // insert random bytes
        {
            const std::size_t at = below(s.size() + 1);
            std::string bytes(1 + below(8), '\0');
            for (auto &c : bytes)
                c = char(below(256));
            s.insert(at, bytes);
            break;
        }
        case 1:  // splice in part of another seed
        {
            if (seeds.empty())
                break;
            const std::string &other = seeds[below(seeds.size())];
            if (other.empty())
                break;
            const std::size_t from = below(other.size());
            const std::size_t length = 1 + below(std::min<std::size_t>(other.size() - from, 256));
            s.insert(below(s.size() + 1), other, from, length);
            break;
        }
        case 2:  // flip a bit
            s[below(s.size())] ^= char(1u << below(8));
            break;
        case 3:  // a random byte
            s[below(s.size())] = char(below(256));
            break;
        case 4:  // erase a range
        {
            const std::size_t at = below(s.size());
            s.erase(at, 1 + below(std::min<std::size_t>(s.size() - at, 64)));
            break;
        }
        case 5:  // truncate
            s.resize(below(s.size()));
            break;
        case 6:  // duplicate a range
        {
            const std::size_t at = below(s.size());
            const std::size_t length = 1 + below(std::min<std::size_t>(s.size() - at, 64));
            s.insert(below(s.size() + 1), s.substr(at, length));
            break;
        }
        default:  // an interesting little-endian number of 1, 2 or 4 bytes
        {
            const uint32_t value = interesting[below(std::size(interesting))];
            const std::size_t width = std::size_t(1) << below(3);
            const std::size_t at = below(s.size());
            for (std::size_t i = 0; i < width && at + i < s.size(); ++i)
                s[at + i] = char((value >> (8 * i)) & 0xFF);
            break;
        }
        }
    }

    std::mt19937_64 m_random;
};

}  // namespace

int main(int argc, char **argv)
{
    long runs = 1000;
    uint64_t seed = 1;
    unsigned timeout = 20;
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atol(argv[++i]);
        else if (arg == "--seed" && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--timeout" && i + 1 < argc)
            timeout = unsigned(std::atoi(argv[++i]));
        else
            addSeeds(arg, seeds);
    }
    if (SorvikFuzzSeeds)
        SorvikFuzzSeeds(seeds);
    if (seeds.empty())
        seeds.emplace_back();

    const std::string name = std::filesystem::path(argv[0]).filename().string();
    const std::string crashFile = (std::filesystem::current_path() / ("fuzz-crash-" + name + ".bin")).string();
    std::snprintf(g_crashFile, sizeof g_crashFile, "%s", crashFile.c_str());
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(saveCurrentInput);
    // SIGABRT too: std::terminate after an escaped exception keeps its input as well.
    for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGALRM, SIGABRT})
        std::signal(s, onFatalSignal);

    Mutator mutator(seed);
    auto runOne = [&](const std::string &input) {
        g_current->assign(input.begin(), input.end());
        alarm(timeout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.data()), input.size());
        alarm(0);
    };
    for (const auto &s : seeds)
        runOne(s);
    for (long run = 0; run < runs; ++run)
        runOne(mutator.mutate(seeds[std::size_t(run) % seeds.size()], seeds));
    std::printf("fuzz: %s ran %zu seeds and %ld mutated inputs (seed %llu), no fault\n", name.c_str(), seeds.size(),
                runs, static_cast<unsigned long long>(seed));
    return 0;
}
