#include "LzhTestSupport.h"

#include "CraftedMembers.h"

#include <gtest/gtest.h>

using namespace sorvik::lzh;
using namespace sorvik::lzh::test;
namespace fs = std::filesystem;

namespace {

// A target folder holding one file that a failed extraction must leave alone.
fs::path preparedTarget(const ScratchFolder &scratch)
{
    const fs::path target = scratch / "target";
    fs::create_directory(target);
    writeFile(target / "RECORD.CSV", "kept");
    return target;
}

void expectTargetUntouched(const fs::path &target)
{
    EXPECT_EQ(listFolder(target), std::vector<std::string>{"RECORD.CSV"});
    EXPECT_EQ(readFile(target / "RECORD.CSV"), "kept");
}

}  // namespace

TEST(LzhHostileArchive, PathsInMemberNamesLandAsBareNamesInsideTheFolder)
{
    for (const bool levelZero : {false, true}) {
        ScratchFolder scratch;
        const auto member = levelZero ? levelZeroMember
                                      : [](const std::string &n, const std::string &d) { return levelTwoMember(n, d); };
        writeFile(scratch / "evil.lzh",
                  member("../../x1", "1") + member("/etc/x2", "2") + member("C:\\x3", "3") + member("a/b/c", "4")
                      + member("..\\..\\x5", "5") + std::string(1, '\0'));
        fs::create_directory(scratch / "deep");
        const fs::path target = scratch / "deep" / "target";
        const ArchiverResult result = extractArchive(scratch / "evil.lzh", target);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(listFolder(target), (std::vector<std::string>{"c", "x1", "x2", "x3", "x5"}));
        EXPECT_EQ(readFile(target / "x3"), "3");
        EXPECT_EQ(listFolder(scratch / "deep"), std::vector<std::string>{"target"});
        EXPECT_EQ(listFolder(scratch.path()), (std::vector<std::string>{"deep", "evil.lzh"}));
    }
}

TEST(LzhHostileArchive, StoredNamesKeepTheirCaseAndTheirCp932Characters)
{
    // Old MS-DOS tools store capitals only; "表" and "ソ" end in the byte of '\'.
    ScratchFolder scratch;
    writeFile(scratch / "dos.lzh",
              levelZeroMember("WORK\\SCHEME.TXT", "s") + levelZeroMember(cp932("DATA\\表ソ.CSV"), "t")
                  + std::string(1, '\0'));
    const ArchiverResult result = extractArchive(scratch / "dos.lzh", scratch / "out");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(listFolder(scratch / "out"), (std::vector<std::string>{"SCHEME.TXT", "表ソ.CSV"}));
}

TEST(LzhHostileArchive, EmptyOrReservedNamesAreRefusedAndNothingIsWritten)
{
    for (const std::string name : {"", "..", "a/..", "CON", "nul.txt", "COM1.csv", "bad\x01name"}) {
        ScratchFolder scratch;
        writeFile(scratch / "bad.lzh",
                  levelTwoMember("good.txt", "fine") + levelTwoMember(name, "x") + std::string(1, '\0'));
        const fs::path target = preparedTarget(scratch);
        const ArchiverResult result = extractArchive(scratch / "bad.lzh", target);
        EXPECT_EQ(result.error, ArchiverError::BadMemberName) << "[" << name << "] " << result.message;
        expectTargetUntouched(target);
    }
}

TEST(LzhHostileArchive, TruncatedArchiveFailsAndLeavesNoPartialFile)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "RECORD.CSV", japaneseCsv(200000));
    writeFile(scratch / "in" / "SCHEME.TXT", japaneseCsv(3000));
    ASSERT_TRUE(createArchive(scratch / "good.lzh", scratch / "in").ok());
    const std::string good = readFile(scratch / "good.lzh");
    // Inside the first header, inside the first member's data, inside the second header.
    const std::size_t firstHeader = static_cast<unsigned char>(good[0]) | (static_cast<unsigned char>(good[1]) << 8);
    for (const std::size_t cut : {std::size_t{10}, firstHeader + 5000, good.size() - 60}) {
        writeFile(scratch / "cut.lzh", good.substr(0, cut));
        const fs::path target = preparedTarget(scratch);
        const ArchiverResult result = extractArchive(scratch / "cut.lzh", target);
        EXPECT_FALSE(result.ok()) << "cut at " << cut;
        EXPECT_FALSE(result.message.empty());
        expectTargetUntouched(target);
        fs::remove_all(target);
    }
}

TEST(LzhHostileArchive, FlippedByteGivesAMessageAndLeavesNoPartialFile)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "RECORD.CSV", japaneseCsv(100000));
    ASSERT_TRUE(createArchive(scratch / "good.lzh", scratch / "in").ok());
    const std::string good = readFile(scratch / "good.lzh");
    for (const std::size_t at : {std::size_t{3}, std::size_t{40}, good.size() / 2, good.size() - 10}) {
        std::string bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0x10);
        writeFile(scratch / "bad.lzh", bad);
        const fs::path target = preparedTarget(scratch);
        const ArchiverResult result = extractArchive(scratch / "bad.lzh", target);
        EXPECT_FALSE(result.ok()) << "flipped byte " << at;
        EXPECT_NE(result.message.find("bad.lzh"), std::string::npos) << result.message;
        expectTargetUntouched(target);
        fs::remove_all(target);
    }
}

TEST(LzhHostileArchive, SizeBeyondTheDataIsDamage)
{
    ScratchFolder scratch;
    std::string member = levelTwoMember("big.bin", "abc");
    member[11] = '\xFF';  // original size far beyond what the three stored bytes give
    member[12] = '\xFF';
    writeFile(scratch / "big.lzh", member + std::string(1, '\0'));
    const fs::path target = preparedTarget(scratch);
    EXPECT_FALSE(extractArchive(scratch / "big.lzh", target).ok());
    expectTargetUntouched(target);
}

TEST(LzhHostileArchive, MissingFileNonArchiveAndUnknownMethodAreTold)
{
    ScratchFolder scratch;
    const fs::path target = preparedTarget(scratch);

    ArchiverResult result = extractArchive(scratch / "none.lzh", target);
    EXPECT_EQ(result.error, ArchiverError::ArchiveMissing);
    EXPECT_NE(result.message.find("none.lzh"), std::string::npos);

    writeFile(scratch / "text.lzh", "this is not an archive at all\r\n");
    EXPECT_EQ(extractArchive(scratch / "text.lzh", target).error, ArchiverError::NotAnArchive);

    writeFile(scratch / "odd.lzh", levelTwoMember("a.txt", "data", "-abc-") + std::string(1, '\0'));
    result = extractArchive(scratch / "odd.lzh", target);
    EXPECT_EQ(result.error, ArchiverError::UnsupportedMethod);
    EXPECT_NE(result.message.find("-abc-"), std::string::npos);
    expectTargetUntouched(target);
}

TEST(LzhHostileArchive, SeparatorHiddenBehindALeadByteCannotReachALinkInTheFolder)
{
    // 0x81 starts a two-byte character, but "/" cannot end one: the name does not decode
    // as CP932, and its "/" must still count as a separator.
    for (const bool levelZero : {false, true}) {
        ScratchFolder scratch;
        const auto member = levelZero ? levelZeroMember
                                      : [](const std::string &n, const std::string &d) { return levelTwoMember(n, d); };
        writeFile(scratch / "evil.lzh", member("link\x81/evil.txt", "outside") + std::string(1, '\0'));
        const fs::path target = scratch / "target";
        fs::create_directories(target);
        fs::create_directory(scratch / "outside");
        fs::create_directory_symlink(scratch / "outside", target / "link_");
        fs::create_directory_symlink(scratch / "outside", target / "link\uFFFD");
        const ArchiverResult result = extractArchive(scratch / "evil.lzh", target);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(listFolder(scratch / "outside"), std::vector<std::string>{});
        EXPECT_EQ(readFile(target / "evil.txt"), "outside");
    }
}

TEST(LzhHostileArchive, Utf8FolderNamesOfUnixToolsLeaveTheirFileName)
{
    ScratchFolder scratch;
    writeFile(scratch / "unix.lzh",
              levelZeroMember("日本語/file.txt", "u") + levelTwoMember("資料/作業員.csv", "v") + std::string(1, '\0'));
    const ArchiverResult result = extractArchive(scratch / "unix.lzh", scratch / "out");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(listFolder(scratch / "out"), (std::vector<std::string>{"file.txt", "作業員.csv"}));
    EXPECT_EQ(readFile(scratch / "out" / "file.txt"), "u");
}
