#include "LzhTestSupport.h"

#include "ArchiveWriter.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace sorvik::lzh;
using namespace sorvik::lzh::test;
namespace fs = std::filesystem;

namespace {

// Packs the folder's files, extracts them elsewhere and compares every file.
void expectRoundTrip(const ScratchFolder &scratch, const fs::path &source)
{
    const fs::path archive = scratch / "out.lzh";
    const ArchiverResult created = createArchive(archive, source);
    ASSERT_TRUE(created.ok()) << created.message;
    const fs::path target = scratch / "target";
    const ArchiverResult extracted = extractArchive(archive, target);
    ASSERT_TRUE(extracted.ok()) << extracted.message;
    ASSERT_EQ(listFolder(source), listFolder(target));
    for (const auto &name : listFolder(source))
        EXPECT_TRUE(readFile(source / name) == readFile(target / name)) << name;
}

std::string methodOf(const fs::path &archive)
{
    return readFile(archive).substr(2, 5);
}

}  // namespace

TEST(LzhRoundTrip, EmptyAndOneByteFiles)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "empty.txt", "");
    writeFile(scratch / "in" / "one.bin", "x");
    expectRoundTrip(scratch, scratch / "in");
}

TEST(LzhRoundTrip, RandomMegabyteIsStoredUncompressed)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "random.bin", randomBytes(1 << 20, 42));
    expectRoundTrip(scratch, scratch / "in");
    EXPECT_EQ(methodOf(scratch / "out.lzh"), "-lh0-");
}

TEST(LzhRoundTrip, FiveMegabytesOfJapaneseCsvCompress)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "RECORD.CSV", japaneseCsv(5 << 20));
    expectRoundTrip(scratch, scratch / "in");
    EXPECT_EQ(methodOf(scratch / "out.lzh"), "-lh5-");
    EXPECT_LT(fs::file_size(scratch / "out.lzh"), (5u << 20) / 4);
}

TEST(LzhRoundTrip, TwoHundredSmallFilesWithJapaneseNames)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    for (int i = 0; i < 200; ++i) {
        const std::string name = (i % 2 ? "作業員" : "KAO") + std::to_string(10000 + i) + (i % 3 ? ".JPG" : ".txt");
        writeFile(scratch / "in" / name, randomBytes(static_cast<std::size_t>(i * 37), i) + japaneseCsv(i * 11));
    }
    writeFile(scratch / "in" / "ソフト表示能力.csv", japaneseCsv(3000));  // '\' as second byte of a character
    expectRoundTrip(scratch, scratch / "in");
}

TEST(LzhRoundTrip, EncoderEdgeCases)
{
    // Long runs (single-symbol blocks, matches overlapping themselves), matches
    // right at the window's reach, every byte value, and data spanning many
    // blocks and the encoder's buffer slides.
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "run.bin", std::string(300000, 'a'));
    std::string reach = randomBytes(8191, 1);
    reach += reach + reach.substr(0, 5000);
    writeFile(scratch / "in" / "reach.bin", reach);
    std::string bytes;
    for (int k = 0; k < 3000; ++k)
        bytes += static_cast<char>(k * 7 % 256);
    writeFile(scratch / "in" / "bytes.bin", bytes);
    std::string mixed;
    for (int k = 0; k < 40; ++k)
        mixed += japaneseCsv(20000 + k) + randomBytes(3000 + k * 100, k) + std::string(k * 50, '\0');
    writeFile(scratch / "in" / "mixed.bin", mixed);
    expectRoundTrip(scratch, scratch / "in");
}

TEST(LzhRoundTrip, BlocksOfASingleSymbolDecode)
{
    // Two segments of 256 KiB zeros: the second holds nothing but 256-byte
    // matches at distance 1, so its tables announce one symbol each.
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "zeros.bin", std::string(std::size_t{1} << 19, '\0'));
    Lh5Tuning tuning;
    tuning.threads = 2;
    const ArchiverResult created = ArchiveWriter(tuning).create(scratch / "z.lzh", {scratch / "in" / "zeros.bin"});
    ASSERT_TRUE(created.ok()) << created.message;
    ASSERT_TRUE(extractArchive(scratch / "z.lzh", scratch / "out").ok());
    EXPECT_TRUE(readFile(scratch / "out" / "zeros.bin") == readFile(scratch / "in" / "zeros.bin"));
    EXPECT_LT(fs::file_size(scratch / "z.lzh"), 1000u);
}

TEST(LzhRoundTrip, ReplacesAnExistingArchiveAndSkipsItselfAndHiddenFiles)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "a.txt", "first");
    writeFile(scratch / "in" / ".hidden", "not packed");
    const fs::path archive = scratch / "in" / "pack.lzh";
    writeFile(archive, "an old archive of another content");
    ASSERT_TRUE(createArchive(archive, scratch / "in").ok());
    const ArchiverResult extracted = extractArchive(archive, scratch / "out");
    ASSERT_TRUE(extracted.ok()) << extracted.message;
    EXPECT_EQ(listFolder(scratch / "out"), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(listFolder(scratch / "in"), (std::vector<std::string>{".hidden", "a.txt", "pack.lzh"}));
}

TEST(LzhRoundTrip, FailedCreationKeepsTheOldArchive)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "a.txt", "data");
    writeFile(scratch / "in" / "smile\xF0\x9F\x98\x80.txt", "no CP932 for this name");
    const fs::path archive = scratch / "old.lzh";
    writeFile(archive, "previous archive");
    const ArchiverResult result = createArchive(archive, scratch / "in");
    EXPECT_EQ(result.error, ArchiverError::NameNotEncodable);
    EXPECT_NE(result.message.find("smile"), std::string::npos);
    EXPECT_EQ(readFile(archive), "previous archive");
    EXPECT_EQ(listFolder(scratch.path()), (std::vector<std::string>{"in", "old.lzh"}));  // no temporary left
}

TEST(LzhRoundTrip, ExtractionReplacesExistingFilesAndKeepsTimes)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "SCHEME.TXT", "new");
    struct timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    ::utimensat(AT_FDCWD, (scratch / "in" / "SCHEME.TXT").c_str(), times, 0);
    ASSERT_TRUE(createArchive(scratch / "p.lzh", scratch / "in").ok());
    fs::create_directory(scratch / "out");
    writeFile(scratch / "out" / "SCHEME.TXT", "old");
    ASSERT_TRUE(extractArchive(scratch / "p.lzh", scratch / "out").ok());
    EXPECT_EQ(readFile(scratch / "out" / "SCHEME.TXT"), "new");
    struct stat st
    {
    };
    ::stat((scratch / "out" / "SCHEME.TXT").c_str(), &st);
    EXPECT_EQ(st.st_mtime, 1700000000);
}

TEST(LzhRoundTrip, AnArchiveNameThatIsALinkIsNotReplaced)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "a.txt", "data");
    writeFile(scratch / "elsewhere.lzh", "someone else's file");
    fs::create_symlink(scratch / "elsewhere.lzh", scratch / "pack.lzh");
    const ArchiverResult result = createArchive(scratch / "pack.lzh", scratch / "in");
    EXPECT_EQ(result.error, ArchiverError::NotAFile) << result.message;
    EXPECT_NE(result.message.find("pack.lzh"), std::string::npos) << result.message;
    EXPECT_TRUE(fs::is_symlink(scratch / "pack.lzh"));
    EXPECT_EQ(readFile(scratch / "elsewhere.lzh"), "someone else's file");
    EXPECT_EQ(listFolder(scratch.path()), (std::vector<std::string>{"elsewhere.lzh", "in", "pack.lzh"}));
}
