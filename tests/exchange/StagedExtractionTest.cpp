// Extraction puts members in place all or nothing, and never through a link.
#include "LzhTestSupport.h"

#include "CraftedMembers.h"
#include "StagedFiles.h"

#include <gtest/gtest.h>

using namespace sorvik::lzh;
using namespace sorvik::lzh::test;
namespace fs = std::filesystem;

namespace {

void writeArchive(const fs::path &path, const std::vector<std::pair<std::string, std::string>> &members)
{
    std::string archive;
    for (const auto &[name, data] : members)
        archive += levelTwoMember(name, data);
    writeFile(path, archive + std::string(1, '\0'));
}

void stage(StagedFiles &staged, const std::string &name, const std::string &data)
{
    int error = 0;
    FileDescriptor fd = staged.create(name, 0, error);
    ASSERT_TRUE(fd.valid()) << error;
    ASSERT_EQ(fd.writeAll(data.data(), data.size()), 0);
}

}  // namespace

TEST(LzhStagedExtraction, ATargetThatIsNoFileStopsEverythingBeforeTheFirstRename)
{
    ScratchFolder scratch;
    const fs::path target = scratch / "EXT";
    fs::create_directories(target / "C.CSV");
    writeFile(target / "A.CSV", "old A");
    writeArchive(scratch / "p.lzh", {{"A.CSV", "new A"}, {"B.CSV", "new B"}, {"C.CSV", "new C"}});

    const ArchiverResult result = extractArchive(scratch / "p.lzh", target);
    EXPECT_EQ(result.error, ArchiverError::NotAFile) << result.message;
    EXPECT_NE(result.message.find("C.CSV"), std::string::npos) << result.message;
    EXPECT_EQ(readFile(target / "A.CSV"), "old A");
    EXPECT_EQ(listFolder(target), (std::vector<std::string>{"A.CSV", "C.CSV"}));
}

TEST(LzhStagedExtraction, ALinkInTheFolderIsNeitherFollowedNorReplaced)
{
    ScratchFolder scratch;
    const fs::path target = scratch / "EXT";
    fs::create_directories(target);
    fs::create_directories(scratch / "outside");
    writeFile(scratch / "outside" / "victim.txt", "precious");
    fs::create_symlink(scratch / "outside" / "victim.txt", target / "RECORD.CSV");
    writeArchive(scratch / "p.lzh", {{"SCHEME.TXT", "s"}, {"RECORD.CSV", "overwritten"}});

    const ArchiverResult result = extractArchive(scratch / "p.lzh", target);
    EXPECT_EQ(result.error, ArchiverError::NotAFile) << result.message;
    EXPECT_EQ(readFile(scratch / "outside" / "victim.txt"), "precious");
    EXPECT_TRUE(fs::is_symlink(target / "RECORD.CSV"));
    EXPECT_EQ(listFolder(target), std::vector<std::string>{"RECORD.CSV"});
}

TEST(LzhStagedExtraction, AFailedRenamePutsBackEveryReplacedFile)
{
    // The third rename fails once while moving a file aside, once while putting a new one in.
    for (const std::string failing : {"C.CSV", ".sorvik-lzh"}) {
        ScratchFolder scratch;
        writeFile(scratch / "A.CSV", "old A");
        writeFile(scratch / "C.CSV", "old C");
        int renames = 0;
        const auto rename = [&](const std::string &from, const std::string &to) {
            ++renames;
            const bool fail = failing == "C.CSV" ? to.ends_with("/C.CSV") && from.find("old") == std::string::npos
                                                 : from.ends_with("/C.CSV");
            return fail ? EIO : StagedFiles::renameFile(from, to);
        };
        {
            StagedFiles staged(scratch.path(), rename);
            stage(staged, "A.CSV", "new A");
            stage(staged, "B.CSV", "new B");
            stage(staged, "C.CSV", "new C");
            const ArchiverResult result = staged.commit();
            EXPECT_EQ(result.error, ArchiverError::WriteError) << failing;
            EXPECT_NE(result.message.find("C.CSV"), std::string::npos) << result.message;
        }
        EXPECT_GT(renames, 3);
        EXPECT_EQ(readFile(scratch / "A.CSV"), "old A") << failing;
        EXPECT_EQ(readFile(scratch / "C.CSV"), "old C") << failing;
        EXPECT_EQ(listFolder(scratch.path()), (std::vector<std::string>{"A.CSV", "C.CSV"})) << failing;
    }
}

TEST(LzhStagedExtraction, TheLastMemberOfANameWinsAndNothingIsLeftBehind)
{
    ScratchFolder scratch;
    const fs::path target = scratch / "EXT";
    writeArchive(scratch / "p.lzh", {{"A.CSV", "first"}, {"dir\\A.CSV", "second"}, {"B.CSV", "b"}});
    const ArchiverResult result = extractArchive(scratch / "p.lzh", target);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_TRUE(result.message.starts_with("2個のファイル")) << result.message;
    EXPECT_EQ(readFile(target / "A.CSV"), "second");
    EXPECT_EQ(listFolder(target), (std::vector<std::string>{"A.CSV", "B.CSV"}));
}
