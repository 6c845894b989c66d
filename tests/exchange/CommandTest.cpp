#include "LzhTestSupport.h"

#include "ArchiveCommands.h"
#include "CommandLine.h"
#include "LzhCommand.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace sorvik::lzh;
using namespace sorvik::lzh::test;
namespace fs = std::filesystem;

TEST(LzhCommandLine, QuotedArgumentsKeepSpacesAndSwitchesAreCollected)
{
    std::string error;
    const auto line = CommandLine::parse("a -n -y -t \"/home/site a/工事_1.LZH\" \"/tmp/W ork\\*.*\"", error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->command, 'a');
    EXPECT_EQ(line->switches, "nyt");
    EXPECT_EQ(line->arguments, (std::vector<std::string>{"/home/site a/工事_1.LZH", "/tmp/W ork\\*.*"}));
    EXPECT_FALSE(CommandLine::parse("e \"/tmp/x.lzh", error));
    EXPECT_FALSE(CommandLine::parse("   ", error));
}

TEST(LzhCommandLine, FileSpecSplitsAtTheLastSeparatorOfEitherKind)
{
    const FileSpec windows = FileSpec::parse("/work/Temp\\*.*");
    EXPECT_EQ(windows.folder, "/work/Temp");
    EXPECT_TRUE(windows.matches("SCHEME.TXT"));
    EXPECT_TRUE(windows.matches("NOEXTENSION"));
    const FileSpec csv = FileSpec::parse("/work/Temp/*.CSV");
    EXPECT_EQ(csv.folder, "/work/Temp");
    EXPECT_TRUE(csv.matches("RECORD.CSV"));
    EXPECT_FALSE(csv.matches("SCHEME.TXT"));
}

TEST(LzhCommand, BothCommandFormsOfTheProgramWork)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "Temp dir");
    writeFile(scratch / "Temp dir" / "SCHEME.TXT", cp932("0.5\r\n2\r\n"));
    writeFile(scratch / "Temp dir" / "RECORD.CSV", japaneseCsv(5000));
    const std::string archive = (scratch / "名簿_テスト.LZH").string();
    for (const std::string separator : {"\\", "/"}) {
        char output[1024];
        const std::string create
            = "a -n -y -t \"" + archive + "\" \"" + (scratch / "Temp dir").string() + separator + "*.*\"";
        ASSERT_EQ(LzhCommand(nullptr, create.c_str(), output, sizeof output), 0) << output;
        const std::string extract = "e -c -n -y \"" + archive + "\" \"" + (scratch / "EXT").string() + separator + "\"";
        ASSERT_EQ(LzhCommand(nullptr, extract.c_str(), output, sizeof output), 0) << output;
        EXPECT_EQ(listFolder(scratch / "EXT"), (std::vector<std::string>{"RECORD.CSV", "SCHEME.TXT"}));
        fs::remove_all(scratch / "EXT");
    }
}

TEST(LzhCommand, FailuresReturnACodeAndAMessageCutAtACharacter)
{
    ScratchFolder scratch;
    const std::string missing
        = "e -c -n -y \"" + (scratch / "ない.lzh").string() + "\" \"" + scratch.path().string() + "\\\"";
    char output[1024];
    EXPECT_EQ(LzhCommand(nullptr, missing.c_str(), output, sizeof output),
              static_cast<int>(ArchiverError::ArchiveMissing));
    EXPECT_NE(std::string(output).find("ない.lzh"), std::string::npos);
    EXPECT_NE(std::string(output).find("見つかりません"), std::string::npos);

    char small[8];
    LzhCommand(nullptr, missing.c_str(), small, sizeof small);
    EXPECT_EQ(std::strlen(small), 6u);  // "書庫" in UTF-8; the third character would not fit whole

    EXPECT_EQ(LzhCommand(nullptr, "a -q \"x.lzh\" \"y\\*.*\"", output, sizeof output),
              static_cast<int>(ArchiverError::BadCommand));
    EXPECT_EQ(LzhCommand(nullptr, "z \"x.lzh\"", output, sizeof output), static_cast<int>(ArchiverError::BadCommand));
    EXPECT_EQ(LzhCommand(nullptr, nullptr, nullptr, 0), static_cast<int>(ArchiverError::BadCommand));

    fs::create_directory(scratch / "empty");
    const std::string nothing
        = "a -n -y -t \"" + (scratch / "e.lzh").string() + "\" \"" + (scratch / "empty").string() + "\\*.*\"";
    EXPECT_EQ(LzhCommand(nullptr, nothing.c_str(), output, sizeof output), static_cast<int>(ArchiverError::NoFiles));
    EXPECT_FALSE(fs::exists(scratch / "e.lzh"));
}

TEST(LzhCommand, UnwritableTargetIsTold)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "in");
    writeFile(scratch / "in" / "a.txt", "a");
    writeFile(scratch / "file", "not a folder");
    const ArchiverResult result = createArchive(scratch / "file" / "x.lzh", scratch / "in");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message.find("x.lzh"), std::string::npos);
    EXPECT_FALSE(extractArchive(scratch / "none", scratch / "file").ok());
}

TEST(ArchiveCommands, WrappersReportFailureThroughTheHandler)
{
    ScratchFolder scratch;
    fs::create_directory(scratch / "Temp");
    writeFile(scratch / "Temp" / "sorvikdb.fbk", randomBytes(5000, 3) + std::string(5000, 'z'));
    QString shown;
    setArchiverMessageHandler([&](const QString &message) { shown = message; });
    const QString archive = QString::fromStdString((scratch / "SorvikDBバックアップ_260501.LZH").string());
    const QString folder = QString::fromStdString((scratch / "Temp").string());
    EXPECT_TRUE(CreateArchive(archive, folder));
    EXPECT_TRUE(ExtractArchive(archive, QString::fromStdString((scratch / "EXT").string())));
    EXPECT_EQ(readFile(scratch / "EXT" / "sorvikdb.fbk"), readFile(scratch / "Temp" / "sorvikdb.fbk"));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(ExtractArchive(archive + "x", folder));
    EXPECT_TRUE(shown.contains(QStringLiteral("見つかりません"))) << shown.toStdString();
    setArchiverMessageHandler([](const QString &) {});
}

namespace {

// A folder to pack and, beside it, one that must never be packed.
void prepareRosterAndSecret(const ScratchFolder &scratch)
{
    fs::create_directory(scratch / "Temp");
    fs::create_directory(scratch / "secret");
    writeFile(scratch / "Temp" / "RECORD.CSV", "roster");
    writeFile(scratch / "secret" / "passwords.txt", "secret");
}

}  // namespace

TEST(ArchiveCommands, PathsHoldingQuotesAreTakenAsTheyAre)
{
    // A roster name ending up in the archive's name must not add folders to pack.
    ScratchFolder scratch;
    prepareRosterAndSecret(scratch);
    setArchiverMessageHandler([](const QString &) {});
    const QString folder = QString::fromStdString((scratch / "Temp").string());
    const QString crafted = QString::fromStdString((scratch / "r").string() + "\" \"" + (scratch / "secret").string());
    EXPECT_FALSE(CreateArchive(crafted, folder));
    EXPECT_FALSE(fs::exists(scratch / "r"));

    const QString quoted = QString::fromStdString((scratch / "名簿_\"山田\".LZH").string());
    ASSERT_TRUE(CreateArchive(quoted, folder));
    ASSERT_TRUE(ExtractArchive(quoted, QString::fromStdString((scratch / "EXT \"1\"").string())));
    EXPECT_EQ(listFolder(scratch / "EXT \"1\""), std::vector<std::string>{"RECORD.CSV"});
}

TEST(LzhCommand, AQuoteInsideAPathOrAnExtraFolderIsRefused)
{
    ScratchFolder scratch;
    prepareRosterAndSecret(scratch);
    const std::string s = scratch.path().string();
    char output[1024];
    const std::string extra = "a -n -y -t \"" + s + "/r\" \"" + s + "/secret\" \"" + s + "/Temp\\*.*\"";
    EXPECT_EQ(LzhCommand(nullptr, extra.c_str(), output, sizeof output), int(ArchiverError::BadCommand));
    EXPECT_FALSE(fs::exists(scratch / "r"));
    const std::string inside = "a -n -y -t \"" + s + "/a\"b.lzh\" \"" + s + "/Temp\\*.*\"";
    EXPECT_EQ(LzhCommand(nullptr, inside.c_str(), output, sizeof output), int(ArchiverError::BadCommand));
    EXPECT_NE(std::string(output).find("「\"」"), std::string::npos) << output;
    EXPECT_EQ(listFolder(scratch.path()), (std::vector<std::string>{"Temp", "secret"}));
}
