#include "SiteFixture.h"

#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "program/CurrentProject.h"
#include "records/ContractorRules.h"
#include "records/RecordSession.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

class ContractorRulesTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        AppContext::instance().ImageRoot = dir.path() + QLatin1Char('/');
        AppContext::instance().WorkDate = QDate(2026, 12, 9);
        AppContext::Project().Select({"1", "川沿地区", "2026/04/01", false});
        context = std::make_unique<RecordContext>(records());
        context->Today = [] { return QDate(2026, 12, 10); };
        rules = std::make_unique<ContractorRules>(*context);
        session = std::make_unique<RecordSession>(table, *rules);
        execute({"insert into KOJI (KJCD, APDT, KJNM, KJNY, MTNM, MTAD, STDT, FNDT, SGDT) values (1, '2026/01/01',"
                 " '旧', '旧工事', '旧支店', '旧住所', '2026/01/05', '2026/02/01', '2026/01/02')",
                 "insert into KOJI (KJCD, APDT, KJNM, KJNY, MTNM, MTAD, STDT, FNDT, SGDT) values (1, '2026/04/01',"
                 " '川沿地区', '道路改良工', '札幌支店', '札幌市中央区', '2026/04/01', '2027/03/19', '2026/03/24')"});
    }

    void open(const QString &kojiCode, const QString &gyoCode)
    {
        rules->SetContractor(kojiCode, gyoCode);
        table.SetFilter("KJCD = ? and GYOCD = ?", {CodeParam(kojiCode), CodeParam(rules->GyoCode())});
        session->SetCarrying(!rules->IsNewContractor());
        session->Open();
        table.Last();
    }
    QString value(const char *column) { return table.FieldByName(column).AsString(); }

    TableDataSet table{data.IBTransaction1};
    std::unique_ptr<RecordContext> context;
    std::unique_ptr<ContractorRules> rules;
    std::unique_ptr<RecordSession> session;
};

TEST_F(ContractorRulesTest, ARevisionCarriesEveryColumnButTheKeyTheAddresseeAndTheStamps)
{
    QStringList columns = column("select trim(rdb$field_name) from rdb$relation_fields"
                                 " where rdb$relation_name = 'GYOSYA' order by rdb$field_position");
    for (const char *own : {"KJCD", "GYOCD", "APDT", "TEIS", "CRDT", "EDDT"})
        columns.removeOne(QLatin1String(own));
    QStringList carried = ContractorRules::RevisionColumns();
    EXPECT_EQ(carried.size(), 119);
    EXPECT_EQ(carried.removeDuplicates(), 0);
    carried.sort();
    columns.sort();
    EXPECT_EQ(carried, columns);
}

TEST_F(ContractorRulesTest, CodesCountPerProject)
{
    execute({"insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (2, 9, '2026/04/01', '他工事の業者')"});
    rules->SetContractor("1", {});
    EXPECT_EQ(rules->GyoCode(), "1");
    execute({"insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 4, '2026/04/01', 'A')"});
    rules->SetContractor("1", {});
    EXPECT_EQ(rules->GyoCode(), "5");
}

TEST_F(ContractorRulesTest, ANewContractorStartsFromTheProjectsNewestVersion)
{
    const QString longWork = QString(60, QChar(u'工'));
    execute({"update KOJI set KJNY = '" + longWork + "' where APDT = '2026/04/01'",
             "insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, PSNM) values (1, 1, '2026/04/01', '北辰建設', '社長')"});
    open("1", {});
    table.Append();
    EXPECT_EQ(value("GYOCD"), "2");
    EXPECT_EQ(value("APDT"), "2026/04/01");  // the project's start, not the work date
    EXPECT_EQ(value("KTKG") + value("GBKG") + value("KTIK") + value("GBIK"),
              "契約による契約による書面による書面による");
    EXPECT_EQ(value("ISKJ"), "0");
    EXPECT_TRUE(value("PSNM").isEmpty());
    rules->FillFromProject(table);
    EXPECT_EQ(value("KYCOM") + "|" + value("KYADD"), "札幌支店|札幌市中央区");
    EXPECT_EQ(value("KJNM"), longWork);
    EXPECT_EQ(value("KJTYP"), longWork.left(50));
    EXPECT_EQ(value("STDT") + value("FNDT") + value("SGDT"), "2026/04/012027/03/192026/03/24");
    table.FieldByName("CPNM").SetAsString("丸山土木");
    table.Post();
    EXPECT_EQ(column("select KJTYP from GYOSYA where GYOCD = 2"), QStringList{longWork.left(50)});
}

TEST_F(ContractorRulesTest, EveryPostCopiesTheVersionsNameToTheWorkersAndQualifications)
{
    execute({"insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 1, '2026/04/01', '旧社名')",
             "insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 1, '2026/10/01', '新社名')",
             "insert into SAGYOIN (KJCD, GYOCD, INCD, CPNM, NAME) values (1, 1, 1, '新社名', '山田')",
             "insert into SAGYOIN (KJCD, GYOCD, INCD, CPNM, NAME) values (1, 2, 1, '他社', '鈴木')",
             "insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, CPNM) values (0, 1, 1, 1, '新社名')"});
    open("1", "1");
    table.Edit();
    table.FieldByName("CPNM").SetAsString("O'Neil建設");
    table.Post();
    EXPECT_EQ(column("select CPNM from SAGYOIN order by GYOCD"), QStringList({"O'Neil建設", "他社"}));
    EXPECT_EQ(column("select CPNM from INSIKAKU"), QStringList{"O'Neil建設"});

    // Posting the older version renames them back to its name.
    table.First();
    table.Edit();
    table.FieldByName("TEL").SetAsString("011-000-0000");
    table.Post();
    EXPECT_EQ(column("select CPNM from SAGYOIN where GYOCD = 1"), QStringList{"旧社名"});
}

TEST_F(ContractorRulesTest, TheLastVersionOfAContractorInUseStays)
{
    execute({"insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 1, '2026/04/01', '北辰建設')"});
    open("1", "1");
    EXPECT_TRUE(session->MayDelete());
    for (const QString use : {"insert into TAISEI (KJCD, GYOCD, CPNM) values (1, 1, 'x')",
                              "insert into TAIKEI (KJCD, APDT, GYOCD) values (1, '2026/04/01', 1)",
                              "insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 1, 1)",
                              "insert into CARRY (KJCD, GYOCD, CRCD) values (1, 1, 1)",
                              "insert into KIKAI (KJCD, GYOCD, MCCD) values (1, 1, 1)",
                              "insert into KOUGU (KJCD, GYOCD, KGCD) values (1, 1, 1)"}) {
        const QString table = use.section(' ', 2, 2);
        execute({use});
        EXPECT_TRUE(ContractorRules::IsInUse(transaction(), "1", "1")) << table.toStdString();
        EXPECT_FALSE(ContractorRules::IsInUse(transaction(), "1", "2"));
        EXPECT_FALSE(session->MayDelete());
        execute({"delete from " + table});
    }
    EXPECT_EQ(messages.texts().value(0), "体制や名簿などで使用中です。最低一件は残さなければなりません。");
    EXPECT_TRUE(session->MayDelete());
}

TEST_F(ContractorRulesTest, AnEngineerKeepsACopyOfTheStaffMembersImage)
{
    const QString photo = dir.filePath("photo.jpg");
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(photo, "JPG"));
    const QString staffImage = images.StoreImageFile(0, photo);

    const QString copy = rules->CopyStaffImage(staffImage);
    EXPECT_TRUE(copy.startsWith("KAO"));
    EXPECT_NE(copy, staffImage);
    EXPECT_EQ(scalar("select count(*) from IMGFL"), "2");
    EXPECT_TRUE(rules->CopyStaffImage({}).isEmpty());

    // A file of the name left in the scratch folder is no stored image.
    QFile::copy(photo, dir.filePath("image/KAO99999.JPG"));
    EXPECT_TRUE(rules->CopyStaffImage("KAO99999.JPG").isEmpty());
}

}  // namespace
