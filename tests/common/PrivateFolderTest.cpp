#include "EngineLockFolder.h"
#include "PrivateFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const std::optional<std::string> &value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

mode_t modeOf(const fs::path &path)
{
    struct stat st
    {
    };
    ::lstat(path.c_str(), &st);
    return st.st_mode & 0777;
}

class PrivateFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "privatefolder-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        fs::create_directory(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    std::string error;
};

TEST_F(PrivateFolderTest, LivesInTheRuntimeFolderClosedToOthers)
{
    ScopedVariable runtime("XDG_RUNTIME_DIR", (dir / "runtime").string());
    EXPECT_EQ(sorvik::userPrivateFolder("firebird", &error), (dir / "runtime/sorvik/firebird").string()) << error;
    EXPECT_EQ(modeOf(dir / "runtime/sorvik"), 0700u);
    EXPECT_EQ(modeOf(dir / "runtime/sorvik/firebird"), 0700u);
}

TEST_F(PrivateFolderTest, ARuntimeFolderOthersMayEnterIsPassedOverForTheCache)
{
    fs::permissions(dir / "runtime", fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    ScopedVariable runtime("XDG_RUNTIME_DIR", (dir / "runtime").string());
    ScopedVariable cache("XDG_CACHE_HOME", (dir / "cache").string());
    EXPECT_EQ(sorvik::userPrivateFolder(&error), (dir / "cache/sorvik").string()) << error;
    EXPECT_EQ(modeOf(dir / "cache/sorvik"), 0700u);
    EXPECT_FALSE(fs::exists(dir / "runtime/sorvik"));
}

TEST_F(PrivateFolderTest, WithoutRuntimeFolderTheHomeCacheIsUsed)
{
    ScopedVariable runtime("XDG_RUNTIME_DIR", std::nullopt);
    ScopedVariable cache("XDG_CACHE_HOME", std::nullopt);
    ScopedVariable home("HOME", (dir / "home").string());
    fs::create_directory(dir / "home");
    EXPECT_EQ(sorvik::userPrivateFolder(&error), (dir / "home/.cache/sorvik").string()) << error;
}

TEST_F(PrivateFolderTest, AnOpenFolderIsClosedAndALinkOrAnotherUsersFolderRefused)
{
    ScopedVariable runtime("XDG_RUNTIME_DIR", (dir / "runtime").string());
    fs::create_directory(dir / "runtime/sorvik");
    fs::permissions(dir / "runtime/sorvik", fs::perms::all);
    EXPECT_FALSE(sorvik::userPrivateFolder(&error).empty()) << error;
    EXPECT_EQ(modeOf(dir / "runtime/sorvik"), 0700u);

    // A link planted under the name could lead the locks anywhere.
    fs::create_directory(dir / "elsewhere");
    fs::create_directory_symlink(dir / "elsewhere", dir / "runtime/sorvik/firebird");
    EXPECT_TRUE(sorvik::userPrivateFolder("firebird", &error).empty());
    EXPECT_NE(error.find("not a folder"), std::string::npos) << error;

    if (::getuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    fs::create_directory(dir / "runtime/sorvik/taken");
    ASSERT_EQ(::chown((dir / "runtime/sorvik/taken").c_str(), 65534, 65534), 0);
    EXPECT_TRUE(sorvik::userPrivateFolder("taken", &error).empty());
    EXPECT_NE(error.find("another user"), std::string::npos) << error;
}

TEST_F(PrivateFolderTest, TheEngineGetsThePrivateLockFolderUnlessOneIsSet)
{
    ScopedVariable runtime("XDG_RUNTIME_DIR", (dir / "runtime").string());
    {
        ScopedVariable lock("FIREBIRD_LOCK", std::nullopt);
        ASSERT_TRUE(sorvik::usePrivateEngineLockFolder(&error)) << error;
        EXPECT_EQ(sorvik::engineLockFolder(), (dir / "runtime/sorvik/firebird").string());
        EXPECT_EQ(modeOf(dir / "runtime/sorvik/firebird"), 0700u);
    }
    ScopedVariable lock("FIREBIRD_LOCK", "/srv/locks");
    EXPECT_TRUE(sorvik::usePrivateEngineLockFolder(&error));
    EXPECT_EQ(sorvik::engineLockFolder(), "/srv/locks");
}

}  // namespace
