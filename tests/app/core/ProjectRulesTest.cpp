#include "SiteFixture.h"

#include "config/ConfigKeys.h"
#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "program/CurrentProject.h"
#include "records/ProjectRules.h"
#include "records/RecordSession.h"

namespace {

class ProjectRulesTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 12, 9);
        context = std::make_unique<RecordContext>(records());
        context->Today = [] { return QDate(2026, 12, 10); };
        rules = std::make_unique<ProjectRules>(*context);
        session = std::make_unique<RecordSession>(table, *rules);
    }

    // The editor's table on the project `code` ("0" for a new one), on its newest version.
    void open(const QString &code)
    {
        rules->SetProject(code);
        table.SetFilter("KJCD = ?", {CodeParam(rules->KojiCode())});
        session->SetCarrying(!rules->IsNewProject());
        session->Open();
        table.Last();
    }
    QString value(const char *column) { return table.FieldByName(column).AsString(); }

    TableDataSet table{data.IBTransaction1};
    std::unique_ptr<RecordContext> context;
    std::unique_ptr<ProjectRules> rules;
    std::unique_ptr<RecordSession> session;
};

TEST_F(ProjectRulesTest, ANewProjectTakesTheLargestCodePlusOneWhateverIsMissingBelow)
{
    rules->SetProject("0");
    EXPECT_EQ(rules->KojiCode(), "1");
    EXPECT_TRUE(rules->IsNewProject());
    execute({"insert into KOJI (KJCD, APDT, KJNM) values (2, '2026/04/01', 'A')",
             "insert into KOJI (KJCD, APDT, KJNM) values (7, '2026/04/01', 'B')"});
    rules->SetProject("0");
    EXPECT_EQ(rules->KojiCode(), "8");
    rules->SetProject("2");
    EXPECT_FALSE(rules->IsNewProject());
}

TEST_F(ProjectRulesTest, ANewProjectTakesOnlyItsDefaults)
{
    execute(
        {"insert into KOJI (KJCD, APDT, KJNM, JV, TTNM, ODNM) values (1, '2026/04/01', '他工事', 1, '店社', '市')"});
    Config::write(*ini, Config::Kengen, "監督員の権限");
    AppContext::Project().SetSafetyKind("店社");
    open("0");
    table.Append();
    EXPECT_EQ(value("KJCD"), "2");
    EXPECT_EQ(value("APDT"), "2026/12/09");
    EXPECT_EQ(value("KG"), "監督員の権限");
    EXPECT_EQ(value("IK"), "書面による");
    EXPECT_EQ(value("CRDT"), "2026/12/10");
    EXPECT_EQ(value("JV"), "0");
    EXPECT_EQ(value("TTNM"), "店社");
    EXPECT_TRUE(value("KJNM").isEmpty());
    EXPECT_TRUE(value("ODNM").isEmpty());
    EXPECT_EQ(rules->FocusOnNewRecord(), "KJNM");
}

TEST_F(ProjectRulesTest, TheApplicationDateIsStoredAsTheDayItNames)
{
    open("0");
    for (const char *typed : {"2019-04-01", "2019/ 4/01", "2019/04/01x"}) {
        table.Append();
        table.FieldByName("KJNM").SetAsString("川沿地区");
        table.FieldByName("APDT").SetAsString(typed);
        table.Post();
        EXPECT_EQ(value("APDT"), "2019/04/01") << typed;
        EXPECT_EQ(value("EDDT"), "2026/12/10");
        table.Delete();
    }
    table.Append();
    table.FieldByName("KJNM").SetAsString("川沿地区");
    for (const char *typed : {"2019/02/30", "2019/4/1", ""}) {
        table.FieldByName("APDT").SetAsString(typed);
        EXPECT_THROW(table.Post(), EAbort) << typed;
    }
    EXPECT_EQ(messages.texts().value(0), "適用日付は正しく\"yyyy/mm/dd\"でなければなりません");
    EXPECT_EQ(scalar("select count(*) from KOJI"), "0");
}

TEST_F(ProjectRulesTest, TheNameComesFirstAndASecondVersionOnTheSameDayIsRefused)
{
    execute({"insert into KOJI (KJCD, APDT, KJNM) values (1, '2026/04/01', '川沿地区')"});
    open("1");
    table.Append();
    table.FieldByName("KJNM").Clear();
    table.FieldByName("APDT").SetAsString("x");
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts(), QStringList{"工事名称が有りません"});
    table.FieldByName("KJNM").SetAsString("川沿地区");
    table.FieldByName("APDT").SetAsString("2026-04-01");
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts().last(), "キーの値が重複しています。\r適用日付がある場合は同じ値は使用できません。");
    EXPECT_EQ(table.State(), DataSetState::Insert);
    table.FieldByName("APDT").SetAsString("2026/05/01");
    table.Post();
    EXPECT_EQ(column("select APDT from KOJI order by APDT"), QStringList({"2026/04/01", "2026/05/01"}));
}

TEST_F(ProjectRulesTest, TheCodeIsDrawnAgainJustBeforeTheFirstVersionIsWritten)
{
    open("0");
    table.Append();
    table.FieldByName("KJNM").SetAsString("新工事");
    // Another user made project 1 meanwhile.
    execute({"insert into KOJI (KJCD, APDT, KJNM) values (1, '2026/04/01', '他の利用者の工事')"});
    table.Post();
    EXPECT_EQ(rules->KojiCode(), "2");
    EXPECT_EQ(column("select KJCD from KOJI where KJNM = '新工事'"), QStringList{"2"});
    // Later versions stay with the project.
    table.Append();
    table.FieldByName("KJNM").SetAsString("新工事");
    table.FieldByName("APDT").SetAsString("2027/01/01");
    execute({"insert into KOJI (KJCD, APDT, KJNM) values (3, '2026/04/01', 'また別の工事')"});
    table.Post();
    EXPECT_EQ(column("select KJCD from KOJI where KJNM = '新工事'"), QStringList({"2", "2"}));
}

TEST_F(ProjectRulesTest, OnlyANewProjectTakesAValidStartAsItsApplicationDate)
{
    execute({"insert into KOJI (KJCD, APDT, KJNM) values (1, '2026/04/01', '川沿地区')"});
    open("1");
    table.Append();
    rules->CopyStartToAppliedDate(table, "2026/05/07");
    EXPECT_EQ(value("APDT"), "2026/12/09");
    table.Cancel();

    ProjectRules created(*context);
    created.SetProject("0");
    table.Append();
    created.CopyStartToAppliedDate(table, "");
    EXPECT_EQ(value("APDT"), "2026/12/09");
    created.CopyStartToAppliedDate(table, "2026/05/07");
    EXPECT_EQ(value("APDT"), "2026/05/07");
}

TEST_F(ProjectRulesTest, TheLastVersionStays)
{
    execute({"insert into KOJI (KJCD, APDT, KJNM) values (1, '2026/04/01', '川沿地区')",
             "insert into KOJI (KJCD, APDT, KJNM) values (1, '2026/09/15', '川沿地区')",
             "insert into KOJI (KJCD, APDT, KJNM) values (2, '2026/04/01', '北光町')"});
    open("1");
    EXPECT_TRUE(session->MayDelete());
    table.Delete();
    EXPECT_FALSE(session->MayDelete());
    EXPECT_EQ(messages.texts(), QStringList{"最低一件は残さなければなりません。"});
}

}  // namespace
