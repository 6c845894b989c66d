// Our archives against the LHA tools of other people: lhasa (a C
// implementation) and jlha (a Java one). Debian's "lha" command may be
// either of them, so each is called by its own name.
#include "LzhTestSupport.h"

#include <gtest/gtest.h>

using namespace sorvik::lzh;
using namespace sorvik::lzh::test;
namespace fs = std::filesystem;

namespace {

// jlha reads and writes member names in CP932 only when told; the file names
// on disk are UTF-8 whatever the locale.
const std::string kJlha
    = "JAVA_TOOL_OPTIONS='-Dlha.encoding=MS932 -Dsun.jnu.encoding=UTF-8 -Dfile.encoding=UTF-8' jlha";

bool hasTool(const char *name)
{
    return runShell(std::string("command -v ") + name + " >/dev/null") == 0;
}

// A folder like an exchange package: Japanese and plain names, text and binary.
fs::path makePackageFolder(const ScratchFolder &scratch)
{
    const fs::path in = scratch / "in";
    fs::create_directory(in);
    writeFile(in / "RECORD.CSV", japaneseCsv(300000));
    writeFile(in / "SCHEME.TXT", cp932("0.5\r\n2\r\nKJCD,GYOCD,INCD,NAME\r\n"));
    writeFile(in / "KAO00001.JPG", randomBytes(40000, 9));
    writeFile(in / "作業員名簿.csv", japaneseCsv(20000));
    writeFile(in / "ソフト表.txt", cp932("表計算ソフト\r\n"));
    writeFile(in / "empty.dat", "");
    return in;
}

void expectSameFiles(const fs::path &expected, const fs::path &actual)
{
    ASSERT_EQ(listFolder(expected), listFolder(actual));
    for (const auto &name : listFolder(expected))
        EXPECT_TRUE(readFile(expected / name) == readFile(actual / name)) << name;
}

}  // namespace

TEST(LzhPeers, LhasaListsTestsAndExtractsOurArchives)
{
    if (!hasTool("lhasa"))
        GTEST_SKIP() << "lhasa is not installed";
    ScratchFolder scratch;
    const fs::path in = makePackageFolder(scratch);
    ASSERT_TRUE(createArchive(scratch / "ours.lzh", in).ok());

    std::string output;
    ASSERT_EQ(runShell("lhasa t " + shellQuoted((scratch / "ours.lzh").string()), &output), 0) << output;
    EXPECT_EQ(output.find("CRC"), std::string::npos) << output;
    ASSERT_EQ(runShell("lhasa v " + shellQuoted((scratch / "ours.lzh").string()), &output), 0);
    EXPECT_NE(output.find("RECORD.CSV"), std::string::npos) << output;
    EXPECT_NE(output.find("-lh5-"), std::string::npos);
    EXPECT_NE(output.find(" 6 files"), std::string::npos);

    // lhasa writes names byte for byte, so Japanese names arrive in CP932.
    fs::create_directory(scratch / "out");
    ASSERT_EQ(runShell("cd " + shellQuoted((scratch / "out").string()) + " && lhasa xq "
                           + shellQuoted((scratch / "ours.lzh").string()),
                       &output),
              0)
        << output;
    for (const auto &name : listFolder(in)) {
        const fs::path extracted = scratch / "out" / cp932(name);
        ASSERT_TRUE(fs::exists(extracted)) << name;
        EXPECT_TRUE(readFile(extracted) == readFile(in / name)) << name;
    }
}

TEST(LzhPeers, JlhaExtractsOurArchivesWithJapaneseNames)
{
    if (!hasTool("jlha"))
        GTEST_SKIP() << "jlha is not installed";
    ScratchFolder scratch;
    const fs::path in = makePackageFolder(scratch);
    ASSERT_TRUE(createArchive(scratch / "ours.lzh", in).ok());
    fs::create_directory(scratch / "out");
    std::string output;
    ASSERT_EQ(runShell("cd " + shellQuoted((scratch / "out").string()) + " && " + kJlha + " xq "
                           + shellQuoted((scratch / "ours.lzh").string()),
                       &output),
              0)
        << output;
    expectSameFiles(in, scratch / "out");
}

TEST(LzhPeers, WeExtractJlhaArchivesOfEveryMethodAndHeaderLevel)
{
    if (!hasTool("jlha"))
        GTEST_SKIP() << "jlha is not installed";
    ScratchFolder scratch;
    const fs::path in = makePackageFolder(scratch);
    std::string files;
    for (const auto &name : listFolder(in))
        files += " " + shellQuoted(name);
    for (const std::string level : {"0", "1", "2"}) {
        for (const std::string method : {"5", "6", "7"}) {
            const std::string tag = "level " + level + " -lh" + method + "-";
            const fs::path archive = scratch / ("jlha" + level + method + ".lzh");
            std::string output;
            ASSERT_EQ(runShell("cd " + shellQuoted(in.string()) + " && " + kJlha + " a" + level + "qo" + method + " "
                                   + shellQuoted(archive.string()) + files,
                               &output),
                      0)
                << tag << output;
            EXPECT_NE(readFile(archive).find("-lh" + method + "-"), std::string::npos) << tag;
            const fs::path out = scratch / ("out" + level + method);
            const ArchiverResult result = extractArchive(archive, out);
            ASSERT_TRUE(result.ok()) << tag << ": " << result.message;
            expectSameFiles(in, out);
        }
    }
}
