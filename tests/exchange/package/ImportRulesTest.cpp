// How each kind's rows are stored: matching, forced values, overwriting, replacing
// qualifications, and stopping at a database error.

#include "ProjectTree.h"
#include "program/AppContext.h"
#include "PackageTestSupport.h"
#include "RosterPackage.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/TableDataSet.h"

using namespace sorvik::package;

namespace {

class ImportRulesTest : public PackageTest
{
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        source = site();
        target = site();
        source->addProject(1, "送り側");
        source->addContractor(1, 3, "石狩重機");
        source->addWorker(1, 3, 1, "佐藤 一郎", "1980/04/02");
        source->addWorker(1, 3, 2, "鈴木 花子", "1992/11/30");
        source->execute("Update SAGYOIN set TEL = '011-1' where INCD = 1");
        target->addProject(4, "受け側");
        target->addContractor(4, 9, "石狩重機（受入）");
        SelectProject("4");
    }

    QString exportQuery(int kind, const QString &sql)
    {
        QueryDataSet rows(source->data.IBTransaction1);
        rows.SetSQL(sql);
        rows.Open();
        const QString file = scratch(QStringLiteral("kind%1-%2.lzh").arg(kind).arg(++m_files));
        EXPECT_TRUE(source->exchange.ExportTable(file, kind, rows));
        return file;
    }

    QString roster()
    {
        const QString file = scratch(QStringLiteral("roster%1.lzh").arg(++m_files));
        EXPECT_TRUE(RosterPackage(source->exchange, source->data).Export(file, "1", "3"));
        return file;
    }

    bool importRoster(const QString &file)
    {
        return RosterPackage(target->exchange, target->data).Import(file, "9", "石狩重機（受入）");
    }

    std::unique_ptr<PackageSite> source;
    std::unique_ptr<PackageSite> target;

private:
    int m_files = 0;
};

}  // namespace

TEST_F(ImportRulesTest, NewWorkersGetTheNextCodeAndAFreshStart)
{
    target->addWorker(4, 9, 5, "既存 太郎", "1970/01/01");
    ASSERT_TRUE(importRoster(roster()));
    const QList<Row> workers = target->rows("Select * from SAGYOIN where GYOCD = 9 order by INCD");
    ASSERT_EQ(workers.size(), 3);
    EXPECT_EQ(workers[1]["NAME"], "佐藤 一郎");
    EXPECT_EQ(workers[1]["INCD"], "6");
    EXPECT_EQ(workers[2]["INCD"], "7");
    EXPECT_EQ(workers[1]["KJCD"], "4");
    EXPECT_EQ(workers[1]["CPNM"], "石狩重機（受入）");
    EXPECT_EQ(workers[1]["SEL"], "0");
    EXPECT_EQ(workers[1]["INDT"], "");
    EXPECT_EQ(workers[1]["TEL"], "011-1");
}

TEST_F(ImportRulesTest, ARosterImportedTwiceAddsNothingAndOverwritingKeepsTheReceiversEntries)
{
    const QString file = roster();
    ASSERT_TRUE(importRoster(file));
    target->execute("Update SAGYOIN set INDT = '2026/07/01', UKDT = '2026/07/01', SEL = 1, TEL = 'old' where INCD = 1");
    ASSERT_TRUE(importRoster(file));
    EXPECT_EQ(target->count("SAGYOIN"), 2);
    EXPECT_EQ(target->scalar("Select TEL from SAGYOIN where INCD = 1"), "old");

    dialogs.overwrite = true;
    ASSERT_TRUE(importRoster(file));
    const QList<Row> worker = target->rows("Select * from SAGYOIN where INCD = 1");
    ASSERT_EQ(worker.size(), 1);
    EXPECT_EQ(worker[0]["NAME"], "佐藤 一郎");
    EXPECT_EQ(worker[0]["TEL"], "011-1");
    EXPECT_EQ(worker[0]["INDT"], "2026/07/01");
    EXPECT_EQ(worker[0]["UKDT"], "2026/07/01");
    EXPECT_EQ(worker[0]["SEL"], "1");
    EXPECT_EQ(target->count("SAGYOIN"), 2);
}

TEST_F(ImportRulesTest, QualificationsReplaceThoseOfMatchedWorkersOnly)
{
    source->execute("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, NAME, BNDT, KBN, PRNM) "
                    "values(0, 1, 3, 1, '佐藤 一郎', '1980/04/02', 1, '大型')");
    source->execute("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, NAME, BNDT, KBN, PRNM) "
                    "values(0, 1, 3, 1, '佐藤 一郎', '1980/04/02', 2, '玉掛')");
    source->execute("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, NAME, BNDT, KBN, PRNM) "
                    "values(0, 1, 3, 2, '鈴木 花子', '1992/11/30', 3, '足場')");
    const QString file = exportQuery(5, "Select * from INSIKAKU order by INCD, INNO");
    EXPECT_TRUE(dialogs.shownFileInfo.isEmpty());

    target->addWorker(4, 9, 1, "佐藤 一郎", "1980/04/02");
    target->addWorker(4, 9, 2, "鈴木 花子", "2000/01/01");
    target->execute("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, NAME, KBN, PRNM) "
                    "values(0, 4, 9, 1, '佐藤 一郎', 1, '古い資格')");
    AppContext::instance().ImportGyoCode = "9";
    AppContext::instance().ImportGyoName = "石狩重機（受入）";
    ASSERT_TRUE(target->exchange.ImportTable(file, 5));
    EXPECT_EQ(target->rows("Select PRNM from INSIKAKU order by INNO").size(), 2);
    EXPECT_EQ(target->scalar("Select list(PRNM) from INSIKAKU where INCD = 1"), "大型,玉掛");
    EXPECT_EQ(target->scalar("Select count(*) from INSIKAKU where INCD = 2"), "0");
    EXPECT_TRUE(dialogs.reviews.isEmpty());
}

TEST_F(ImportRulesTest, StaffWithoutQualificationMatchesStaffWhoseQualificationIsNull)
{
    source->execute("Insert into SHOKU (SHCD, NAME, POST) values(0, '高橋 次郎', '工事主任')");
    target->execute("Insert into SHOKU (SHCD, NAME, POST) values(0, '高橋 次郎', '以前の役職')");
    dialogs.overwrite = true;
    ASSERT_TRUE(target->exchange.ImportTable(exportQuery(3, "Select * from SHOKU"), 3));
    EXPECT_EQ(target->count("SHOKU"), 1);
    EXPECT_EQ(target->scalar("Select POST from SHOKU"), "工事主任");
}

TEST_F(ImportRulesTest, ADatabaseErrorStopsTheImportKeepsEarlierRowsAndFails)
{
    HandMadePackage names;
    names.kind = 4;
    names.columns = QStringList{"EDCD", "KBN", "PRNM", "ODRNO"};
    names.types = QStringList{"N", "N", "S", "N"};
    // ODRNO is a SMALLINT: the second row cannot be stored.
    names.rows = {{"1", "1", "一", "1"}, {"2", "1", "二", "99999"}, {"3", "1", "三", "3"}};
    ASSERT_FALSE(target->exchange.ImportTable(archive("names.lzh", names), 4));
    EXPECT_EQ(target->scalar("Select list(PRNM) from EDUC"), "一");
    EXPECT_EQ(messages.messages().last().kind, ScriptedMessageService::Kind::Error);
    names.rows[1][3] = "2";
    ASSERT_TRUE(target->exchange.ImportTable(archive("names2.lzh", names), 4));
    EXPECT_EQ(target->count("EDUC"), 3);
}

TEST_F(ImportRulesTest, ACancelledImportStoresNothing)
{
    const QString file = roster();
    dialogs.acceptImport = false;
    EXPECT_FALSE(importRoster(file));
    EXPECT_EQ(target->count("SAGYOIN"), 0);
    EXPECT_EQ(target->count("INSIKAKU"), 0);
}

TEST_F(ImportRulesTest, ARecordPackageOverwritesTheOpenRecordButNotItsKeys)
{
    source->execute("Insert into CARRY (KJCD, GYOCD, CRCD, JYUNO, CARNO, DAIRI, ROOT) "
                    "values(1, 3, 7, 12, '札幌100', '山田', '一行目' || ascii_char(13) || ascii_char(10) || '二行目')");
    QueryDataSet vehicle(source->data.IBTransaction1);
    vehicle.SetSQL("Select * from CARRY");
    vehicle.Open();
    const QString file = scratch("carry.lzh");
    ASSERT_TRUE(source->exchange.ExportTable(file, 6, vehicle));

    target->execute("Insert into CARRY (KJCD, GYOCD, CRCD, JYUNO, CARNO, DAIRI) values(4, 9, 2, 5, '旧', '受け側')");
    TableDataSet editor(target->data.IBTransaction1);
    editor.SetTableName("CARRY");
    editor.Open();
    ASSERT_TRUE(target->exchange.ImportTable(file, 6, &editor));
    EXPECT_EQ(editor.State(), DataSetState::Edit);
    EXPECT_EQ(editor.FieldByName("CARNO").AsString(), "札幌100");
    EXPECT_EQ(editor.FieldByName("ROOT").AsString(), "一行目\r\n二行目");
    EXPECT_EQ(editor.FieldByName("DAIRI").AsString(), "受け側");
    EXPECT_EQ(editor.FieldByName("CRCD").AsString(), "2");
    editor.Cancel();
}
