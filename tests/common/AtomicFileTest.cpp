#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using sorvik::AtomicFile;
using sorvik::writeFileAtomically;

namespace {

class AtomicFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "atomicfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char *name) const { return (dir / name).string(); }
    static std::string read(const fs::path &p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void put(const fs::path &p, const std::string &bytes) { std::ofstream(p, std::ios::binary) << bytes; }
    std::size_t entries() const { return std::size_t(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
};

TEST_F(AtomicFileTest, WritesANewFileAndReplacesAnOldOneLeavingNothingElse)
{
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path("out.bin"), "first", &error)) << error;
    EXPECT_EQ(read(path("out.bin")), "first");
    ASSERT_TRUE(writeFileAtomically(path("out.bin"), std::string("se\0cond", 7), &error)) << error;
    EXPECT_EQ(read(path("out.bin")), std::string("se\0cond", 7));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, AReplacedFileKeepsItsMode)
{
    put(path("keep"), "old");
    ::chmod(path("keep").c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(path("keep"), "new"));
    struct stat st
    {
    };
    ASSERT_EQ(::stat(path("keep").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(AtomicFileTest, AnUncommittedFileLeavesTheOldContentAndNoTemporary)
{
    put(path("doc"), "old");
    {
        AtomicFile file(path("doc"));
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half"));
        EXPECT_EQ(fs::path(file.temporaryPath()).parent_path(), dir);
    }
    EXPECT_EQ(read(path("doc")), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, RefusesToReplaceALinkAndLeavesItsTargetAlone)
{
    put(path("secret"), "untouched");
    fs::create_symlink(path("secret"), path("out"));
    std::string error;
    EXPECT_FALSE(writeFileAtomically(path("out"), "evil", &error));
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_EQ(read(path("secret")), "untouched");
    EXPECT_TRUE(fs::is_symlink(path("out")));
}

TEST_F(AtomicFileTest, AScratchFileSkipsOnlyTheFlushAndIsGuardedAlike)
{
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path("KAO00001.JPG"), "old", &error, sorvik::Durability::Scratch)) << error;
    ASSERT_TRUE(writeFileAtomically(path("KAO00001.JPG"), "new", &error, sorvik::Durability::Scratch)) << error;
    EXPECT_EQ(read(path("KAO00001.JPG")), "new");
    EXPECT_EQ(entries(), 1u);
    put(path("secret"), "untouched");
    fs::create_symlink(path("secret"), path("link.JPG"));
    EXPECT_FALSE(writeFileAtomically(path("link.JPG"), "evil", &error, sorvik::Durability::Scratch));
    EXPECT_EQ(read(path("secret")), "untouched");
}

TEST_F(AtomicFileTest, APlantedLinkWithTheOldTemporaryNameIsNeverFollowed)
{
    put(path("secret"), "untouched");
    fs::create_symlink(path("secret"), path("out.part"));
    ASSERT_TRUE(writeFileAtomically(path("out"), "data"));
    EXPECT_EQ(read(path("secret")), "untouched");
    EXPECT_EQ(read(path("out")), "data");
}

TEST_F(AtomicFileTest, RefusesDevicesAndFoldersAndReportsAMissingFolder)
{
    std::string error;
    EXPECT_FALSE(writeFileAtomically("/dev/full", "x", &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    fs::create_directory(path("folder"));
    EXPECT_FALSE(writeFileAtomically(path("folder"), "x", &error));
    EXPECT_FALSE(writeFileAtomically(path("missing/out"), "x", &error));
    EXPECT_NE(error.find("missing/out"), std::string::npos) << error;
}

TEST_F(AtomicFileTest, AWriterThatOnlyTakesAPathWritesThroughTheTemporaryName)
{
    AtomicFile file(path("report.pdf"));
    ASSERT_TRUE(file.open());
    // Such writers often replace the file instead of writing into it.
    const std::string own = file.temporaryPath() + ".x";
    put(own, "%PDF");
    fs::rename(own, file.temporaryPath());
    ASSERT_TRUE(file.commit()) << file.error();
    EXPECT_EQ(read(path("report.pdf")), "%PDF");
    EXPECT_EQ(entries(), 1u);
}

}  // namespace
