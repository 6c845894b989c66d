#include "SiteFixture.h"

#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "db/Query.h"
#include "records/NextCode.h"
#include "records/RecordRules.h"
#include "records/RecordSession.h"
#include "records/StaffRules.h"

namespace {

// Versions of a project, as the project editor keeps them: a revision carries the
// previous version's name and kind; the name is required and so is a known kind; every
// post stamps EDDT and copies the name into the contractors' work content; the last
// version may not go.
class RevisionRules : public RecordRules
{
public:
    explicit RevisionRules(db::Transaction &transaction)
        : m_transaction(transaction)
    {
    }

    QString TableName() const override { return QStringLiteral("KOJI"); }
    QStringList CarriedColumns() const override { return {QStringLiteral("KJNM"), QStringLiteral("TTNM")}; }
    void NewRecordDefaults(DataSet &record) override
    {
        record.FieldByName("KJCD").SetAsInteger(1);
        record.FieldByName("APDT").SetAsString("2026/10/01");
        record.FieldByName("TTNM").SetAsString("元方");
    }
    QList<PostCheck> PostChecks() const override
    {
        return {Required("KJNM", "工事名称が有りません"), {"TTNM", "種別が違います", [](DataSet &record) {
                                                               const QString kind
                                                                   = record.FieldByName("TTNM").AsString();
                                                               return kind == "元方" || kind == "店社";
                                                           }}};
    }
    void BeforeWrite(DataSet &record) override { record.FieldByName("EDDT").SetAsString("2026/12/09"); }
    void AfterPost(DataSet &record) override
    {
        db::Query update(m_transaction);
        SetStatement(update,
                     {cascade, {record.FieldByName("KJNM").AsString(), record.FieldByName("KJCD").AsInteger()}});
        update.exec();
    }
    QString PostErrorMessage(const QString &engineMessage) const override
    {
        return engineMessage.contains("UNIQUE") ? QStringLiteral("キーの値が重複しています。") : QString();
    }
    QString DeleteRefusal(DataSet &record) override
    {
        return static_cast<TableDataSet &>(record).RecordCount() == 1
            ? QStringLiteral("最低一件は残さなければなりません。")
            : QString();
    }
    bool IsUntouchedNewRecord(DataSet &record) override { return record.FieldByName("KJNM").IsNull(); }

    QString cascade = QStringLiteral("Update GYOSYA set KJNM = ? where KJCD = ?");

private:
    db::Transaction &m_transaction;
};

class RecordSessionTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        execute({"insert into KOJI (KJCD, APDT, KJNM, TTNM) values (1, '2026/04/01', '川沿地区道路改良工事', '店社')",
                 "insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 1, '2026/04/01', '北辰建設')"});
        table.SetFilter("KJCD = ?", {1});
        session.OnRefused = [this](const QString &column) { refused << column; };
        session.Open();
    }

    QString value(const char *column) { return table.FieldByName(column).AsString(); }

    TableDataSet table{data.IBTransaction1};
    RevisionRules rules{data.IBTransaction1};
    RecordSession session{table, rules};
    QStringList refused;
};

TEST_F(RecordSessionTest, ARevisionStartsFromTheDefaultsAndThePreviousVersion)
{
    table.Append();
    EXPECT_EQ(value("APDT"), "2026/10/01");
    EXPECT_EQ(value("KJNM"), "川沿地区道路改良工事");
    EXPECT_EQ(value("TTNM"), "店社");  // carried over the default
    table.Cancel();

    session.SetCarrying(false);
    table.Append();
    EXPECT_TRUE(value("KJNM").isEmpty());
    EXPECT_EQ(value("TTNM"), "元方");
}

TEST_F(RecordSessionTest, ChecksRunInOrderAndTheFirstThatFailsStopsThePost)
{
    session.SetCarrying(false);
    table.Append();
    table.FieldByName("TTNM").SetAsString("他");
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts(), QStringList{"工事名称が有りません"});
    EXPECT_EQ(refused, QStringList{"KJNM"});
    table.FieldByName("KJNM").SetAsString("新工事");
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(refused.last(), "TTNM");
    EXPECT_EQ(table.State(), DataSetState::Insert);
    EXPECT_EQ(scalar("select count(*) from KOJI"), "1");

    table.FieldByName("TTNM").SetAsString("元方");
    table.Post();
    EXPECT_EQ(column("select EDDT from KOJI where APDT = '2026/10/01'"), QStringList{"2026/12/09"});
    EXPECT_EQ(column("select KJNM from GYOSYA"), QStringList{"新工事"});
}

TEST_F(RecordSessionTest, AFailedCascadeKeepsTheRecordUnwrittenAndInEdit)
{
    rules.cascade = QStringLiteral("Update NOSUCH set KJNM = ? where KJCD = ?");
    table.Edit();
    table.FieldByName("KJNM").SetAsString("改名");
    EXPECT_THROW(table.Post(), db::Error);
    EXPECT_EQ(table.State(), DataSetState::Edit);
    EXPECT_EQ(scalar("select KJNM from KOJI"), "川沿地区道路改良工事");
}

TEST_F(RecordSessionTest, ADuplicateKeyGetsTheRulesMessageAndTheRecordStaysOpen)
{
    table.Append();
    table.FieldByName("APDT").SetAsString("2026/04/01");
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts(), QStringList{"キーの値が重複しています。"});
    EXPECT_EQ(table.State(), DataSetState::Insert);
}

TEST_F(RecordSessionTest, DeleteGuardCopiesAndUntouchedRecords)
{
    EXPECT_FALSE(session.MayDelete());
    EXPECT_EQ(messages.texts(), QStringList{"最低一件は残さなければなりません。"});

    session.AppendCopy({"KJNM"});
    EXPECT_EQ(table.State(), DataSetState::Insert);
    EXPECT_EQ(value("KJNM"), "川沿地区道路改良工事");
    EXPECT_FALSE(session.IsUntouchedNewRecord());
    table.Post();
    EXPECT_TRUE(session.MayDelete());

    session.SetCarrying(false);
    table.Append();
    EXPECT_TRUE(session.IsUntouchedNewRecord());
}

TEST_F(RecordSessionTest, NextCodeIsTheLargestInUsePlusOne)
{
    EXPECT_EQ(NextCode(transaction(), {"Select MAX(GYOCD) from GYOSYA where KJCD = ?", {1}}), "2");
    EXPECT_EQ(NextCode(transaction(), {"Select MAX(GYOCD) from GYOSYA where KJCD = ?", {7}}), "1");
    execute({"insert into GYOSYA (KJCD, GYOCD, APDT) values (1, 9, '2026/04/01')"});
    EXPECT_EQ(NextCode(transaction(), {"Select MAX(GYOCD) from GYOSYA where KJCD = ?", {1}}), "10");
}

TEST_F(RecordSessionTest, StaffRulesNumberByTheDatabaseAndCopyThePersonWithoutTheQualification)
{
    execute({"insert into SHOKU (SHCD, NAME, FURI, BNDT, POST, SNSK, SNNO, SDFL) values (0, '佐藤', 'さとう', "
             "'1968/05/12', '部長', '1級', '123', 'KAO00002.JPG')"});
    TableDataSet staff(data.IBTransaction1);
    StaffRules staffRules;
    RecordSession staffSession(staff, staffRules);
    staffSession.Open();
    staffSession.AppendCopy(StaffRules::CopiedColumns());
    EXPECT_EQ(staff.FieldByName("SHCD").AsInteger(), 0);
    staff.Post();
    EXPECT_EQ(column("select NAME||'|'||BNDT||'|'||SDFL||'|'||coalesce(SNSK, '-') from SHOKU order by SHCD"),
              (QStringList{"佐藤|1968/05/12|KAO00002.JPG|1級", "佐藤|1968/05/12|KAO00002.JPG|-"}));
    staff.Append();
    EXPECT_THROW(staff.Post(), EAbort);
    EXPECT_EQ(messages.texts(), QStringList{"氏名が有りません"});
    EXPECT_TRUE(staffSession.IsUntouchedNewRecord());
}

}  // namespace
