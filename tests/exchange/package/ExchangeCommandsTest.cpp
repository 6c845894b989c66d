// The entry points the windows call: which file dialogs they open, what they tell the
// user, and what a cancel leaves.

#include "ProjectTree.h"
#include "program/AppContext.h"
#include "ExchangeCommands.h"
#include "PackageFiles.h"
#include "PackageTestSupport.h"
#include "RosterPackage.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace sorvik::package;

namespace {

class ExchangeCommandsTest : public PackageTest
{
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        database = site();
        commands = std::make_unique<ExchangeCommands>(database->data, dialogs);
        database->addProject(1, "国道230号");
        database->addContractor(1, 3, "石狩重機");
        database->execute("Insert into SHOKU (SHCD, NAME) values(0, '高橋')");
        SelectProject("1", " 国道230号 ");
    }

    std::unique_ptr<PackageSite> database;
    std::unique_ptr<ExchangeCommands> commands;
};

}  // namespace

TEST_F(ExchangeCommandsTest, MasterExportsProposeTheCompanysNameAndACancelWritesNothing)
{
    EXPECT_FALSE(commands->exportStaff());
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests.first().fileName, "職員_株式会社北辰建設.LZH");
    EXPECT_TRUE(dialogs.shownFileInfo.isEmpty());

    dialogs.files = QStringList{scratch("staff.lzh")};
    ASSERT_TRUE(commands->exportStaff());
    EXPECT_TRUE(QFile::exists(scratch("staff.lzh")));
    dialogs.files = QStringList{scratch("names.lzh")};
    ASSERT_TRUE(commands->exportNames());
    EXPECT_EQ(dialogs.requests.last().fileName, "資格マスタ_株式会社北辰建設.LZH");
}

TEST_F(ExchangeCommandsTest, MasterImportsUseTheMainOpenDialogsFilters)
{
    dialogs.files = QStringList{scratch("staff.lzh")};
    ASSERT_TRUE(commands->exportStaff());
    dialogs.files = QStringList{scratch("staff.lzh")};
    ASSERT_TRUE(commands->importStaff());
    EXPECT_EQ(
        dialogs.requests.last().filter,
        "EXPファイル|*.LZH|職員EXPファイル|職員*.LZH|資格EXPファイル|資格*.LZH|バックアップファイル|SorvikDB*.LZH");
    EXPECT_EQ(dialogs.requests.last().filterIndex, 2);
    EXPECT_TRUE(dialogs.requests.last().fileMustExist);
    EXPECT_FALSE(commands->importNames());
    EXPECT_EQ(dialogs.requests.last().filterIndex, 3);
}

TEST_F(ExchangeCommandsTest, AUnitUnloadedAndLoadedBecomesTheNewCurrentProject)
{
    dialogs.files = QStringList{scratch("unit.ldf")};
    ASSERT_TRUE(commands->unloadUnit());
    EXPECT_EQ(dialogs.requests.last().fileName, "Sorvikユニット_国道230号.LDF");

    dialogs.files = QStringList{scratch("unit.ldf")};
    QString madeCurrent;
    int messagesBefore = 0;
    const QString code = commands->loadNewUnit([&](const QString &newCode) {
        madeCurrent = newCode;
        messagesBefore = int(messages.messages().size());
    });
    EXPECT_EQ(code, "2");
    EXPECT_EQ(madeCurrent, "2");
    EXPECT_EQ(messages.texts().mid(messagesBefore), QStringList({kUnitLoadedMessage}));
    EXPECT_EQ(database->count("KOJI where KJCD = 2"), 1);
    EXPECT_EQ(commands->loadNewUnit(), "");
}

TEST_F(ExchangeCommandsTest, ARosterWithoutMarkedWorkersSaysHowToMarkThem)
{
    database->addWorker(1, 3, 1, "佐藤", "1980/04/02");
    database->execute("Update SAGYOIN set SEL = 0");
    dialogs.files = QStringList{scratch("roster.lzh")};
    EXPECT_FALSE(commands->exportRoster("1", "3", " 石狩重機 "));
    EXPECT_EQ(messages.texts(), QStringList({kNoMarkedWorkersMessage}));
    EXPECT_FALSE(QFile::exists(scratch("roster.lzh")));
    const FileRequest request = dialogs.requests.last();
    EXPECT_TRUE(request.fileName.startsWith("名簿_石狩重機_") && request.fileName.endsWith(".LZH"));

    EXPECT_FALSE(commands->importRoster("3", "石狩重機"));
    EXPECT_EQ(dialogs.requests.last().title, "石狩重機 の作業員名簿ファイルを指定して下さい");
    EXPECT_EQ(dialogs.requests.last().filterIndex, 2);
}

TEST(PackageFilesTest, EditorsAndTheSafetyCopyNameTheirFiles)
{
    EXPECT_EQ(recordExportRequest(0, "道路改良", QDate(2026, 12, 9)).fileName, "工事_道路改良_261209.LZH");
    EXPECT_EQ(recordExportRequest(6, "札幌100", QDate(2026, 1, 2)).fileName, "車両_札幌100_260102.LZH");
    EXPECT_EQ(recordImportRequest(8).filter, "EXPファイル|*.LZH|工具EXPファイル|工具*.LZH");
    // Projects and contractors ask with a title of their own; a slash in the name stays
    // out of the path.
    const FileRequest contractor = recordExportRequest(1, " A/B工業 ", QDate(2026, 12, 9));
    EXPECT_EQ(contractor.fileName, "業者_A_B工業_261209.LZH");
    EXPECT_EQ(contractor.title, "作成するファイル名を決めてください");
    EXPECT_TRUE(contractor.overwritePrompt);
    EXPECT_TRUE(recordExportRequest(6, "札幌100", QDate(2026, 1, 2)).title.isEmpty());
    EXPECT_EQ(safetyUnitPath("/opt/sorvik/", " 国道 ", QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))),
              "/opt/sorvik/Sorvikユニット_国道_260304050607.LDF");
}

TEST(PackageFilesTest, TheSafetyCopyNeverReplacesAnotherAndHoldsNoPathCharacters)
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');
    const QDateTime now(QDate(2026, 12, 9), QTime(23, 59, 1));
    EXPECT_EQ(QFileInfo(safetyUnitPath(appDir, "A/B:C*?<>|\\\"", now)).fileName(),
              "Sorvikユニット_A_B_C________261209235901.LDF");
    const QString first = safetyUnitPath(appDir, "国道", now);
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = safetyUnitPath(appDir, "国道", now);
    QFile(second).open(QIODevice::WriteOnly);
    EXPECT_EQ(QFileInfo(second).fileName(), "Sorvikユニット_国道_261209235901_2.LDF");
    EXPECT_EQ(QFileInfo(safetyUnitPath(appDir, "国道", now)).fileName(), "Sorvikユニット_国道_261209235901_3.LDF");
}
