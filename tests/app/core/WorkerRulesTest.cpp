#include "SiteFixture.h"

#include "config/ConfigKeys.h"
#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "db/Error.h"
#include "records/RecordSession.h"
#include "records/WorkerRoster.h"
#include "records/WorkerRules.h"

namespace {

// The roster's rules on the demo site's road project: contractor 2 has workers 1 to 3,
// the prime contractor 1 none. Today is 2026/05/01, the work date 2026/06/01.
class WorkerRulesTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 6, 1);
        context = std::make_unique<RecordContext>(records());
        context->Today = [] { return QDate(2026, 5, 1); };
    }

    // The rules and a session on the workers of contractor `gyoCode`; made after the
    // settings of a test are written.
    void open(const QString &gyoCode, const QString &name = QStringLiteral("株式会社丸山土木"))
    {
        rules = std::make_unique<WorkerRules>(*context);
        rules->SetContractor(QStringLiteral("1"), gyoCode, name);
        session = std::make_unique<RecordSession>(table, *rules);
        session->OnRefused = [this](const QString &column) { refused << column; };
        table.SetFilter(QStringLiteral("KJCD = ? and GYOCD = ?"), {1, gyoCode.toInt()});
        session->Open();
    }

    QString value(const char *column) { return table.FieldByName(QLatin1String(column)).AsString(); }
    void set(const char *column, const QVariant &value) { table.FieldByName(QLatin1String(column)).SetValue(value); }

    std::unique_ptr<RecordContext> context;
    TableDataSet table{data.IBTransaction1};
    std::unique_ptr<WorkerRules> rules;
    std::unique_ptr<RecordSession> session;
    QStringList refused;
};

TEST_F(WorkerRulesTest, ANewWorkerTakesTheContractorsNextCodeAndIsSelected)
{
    open(QStringLiteral("1"), QStringLiteral("北辰建設株式会社"));
    table.Append();
    EXPECT_EQ(value("INCD"), QStringLiteral("1"));  // whatever the other contractors hold
    EXPECT_EQ(value("KJCD") + value("GYOCD"), QStringLiteral("11"));
    EXPECT_EQ(value("APDT"), QStringLiteral("2026/05/01"));
    EXPECT_EQ(value("CRDT"), QStringLiteral("2026/05/01"));
    EXPECT_EQ(value("CPNM"), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(value("SEL") + value("FMLE") + value("YNG") + value("ADVA"), QStringLiteral("1000"));
    set("NAME", QStringLiteral("北村 太郎"));
    set("BNDT", QStringLiteral("1980/07/07"));
    table.Post();
    EXPECT_EQ(rules->SelectedCount(), 1);
    EXPECT_EQ(column(QStringLiteral("Select EDDT from SAGYOIN where KJCD = 1 and GYOCD = 1")),
              QStringList{QStringLiteral("2026/05/01")});
}

TEST_F(WorkerRulesTest, TheCodeOfADeletedNewestWorkerIsGivenAgain)
{
    open(QStringLiteral("2"));
    table.Last();
    EXPECT_EQ(value("INCD"), QStringLiteral("3"));
    table.Delete();
    table.Append();
    EXPECT_EQ(value("INCD"), QStringLiteral("3"));
    table.Cancel();
    table.First();
    table.Delete();
    table.Append();
    EXPECT_EQ(value("INCD"), QStringLiteral("3"));  // the largest in use plus one
}

TEST_F(WorkerRulesTest, AWorkerNeedsANameThenABirthDate)
{
    open(QStringLiteral("1"));
    table.Append();
    EXPECT_THROW(table.Post(), EAbort);
    set("NAME", QStringLiteral("北村 太郎"));
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts(),
              QStringList({QStringLiteral("氏名が有りません"), QStringLiteral("生年月日が入力されていません")}));
    EXPECT_EQ(refused, QStringList({QStringLiteral("NAME"), QStringLiteral("BNDT")}));
    EXPECT_EQ(table.State(), DataSetState::Insert);
    set("BNDT", QStringLiteral("1980/07/07"));
    table.Post();  // no barcode needed without the unified barcode
}

TEST_F(WorkerRulesTest, WithTheUnifiedBarcodeAWellFormedNumberIsNeeded)
{
    Config::write(*ini, Config::BarCode, true);
    open(QStringLiteral("2"));
    table.Edit();
    EXPECT_THROW(table.Post(), EAbort);
    set("BARCDNO", QStringLiteral("AB12"));
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts(),
              QStringList({QStringLiteral("BARCDが有りません。各種設定の統一バーコード採用時必須です。"),
                           QStringLiteral("統一バーコードは英数字６～８桁固定にして下さい")}));
    EXPECT_EQ(refused, QStringList({QStringLiteral("BARCDNO"), QStringLiteral("BARCDNO")}));
    set("BARCDNO", QStringLiteral("AB1234"));
    table.Post();
    EXPECT_EQ(scalar(QStringLiteral("Select BARCDNO from SAGYOIN where KJCD = 1 and GYOCD = 2 and INCD = 1")),
              QStringLiteral("AB1234"));
}

TEST_F(WorkerRulesTest, BloodPressureGivenTheWrongWayRoundIsTurnedAsNumbers)
{
    open(QStringLiteral("2"));
    const auto stored = [this] {
        return scalar(QStringLiteral("Select coalesce(PRESU, 0) || '/' || coalesce(PRESL, 0) from SAGYOIN"
                                     " where KJCD = 1 and GYOCD = 2 and INCD = 1"));
    };
    const auto post = [this](const QVariant &upper, const QVariant &lower) {
        table.Edit();
        set("PRESU", upper);
        set("PRESL", lower);
        table.Post();
    };
    post(80, 120);
    EXPECT_EQ(stored(), QStringLiteral("120/80"));
    post(95, 110);  // as texts "95" would be the larger
    EXPECT_EQ(stored(), QStringLiteral("110/95"));
    post(QVariant(), 120);
    EXPECT_EQ(stored(), QStringLiteral("0/120"));
    post(80, QVariant());
    EXPECT_EQ(stored(), QStringLiteral("80/0"));
}

TEST_F(WorkerRulesTest, EveryPostCopiesTheWorkerIntoItsQualificationsNullsAsNulls)
{
    open(QStringLiteral("2"));
    table.Edit();
    set("NAME", QStringLiteral("丸山 翔"));
    set("BNDT", QStringLiteral("1982/04/19"));
    set("CPNM", QVariant());
    table.Post();
    EXPECT_EQ(column(QStringLiteral("Select coalesce(CPNM, 'null') || '|' || NAME || '|' || BNDT from INSIKAKU"
                                    " where KJCD = 1 and GYOCD = 2 and INCD = 1")),
              QStringList(3, QStringLiteral("null|丸山 翔|1982/04/19")));
    EXPECT_EQ(scalar(QStringLiteral("Select count(*) from INSIKAKU where NAME = '菅原 勇気'")), QStringLiteral("2"));
}

TEST_F(WorkerRulesTest, AWorkerInTheDailyAttendanceStays)
{
    execute({QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 2, '2026/05/20', 2)")});
    open(QStringLiteral("2"));
    EXPECT_TRUE(session->MayDelete());
    table.Next();
    EXPECT_FALSE(session->MayDelete());
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("選択したデータは労務日報に使用されていますので削除出来ません。")});
}

TEST_F(WorkerRulesTest, AWorkerTakesItsQualificationsAlongUnlessTheDeleteFails)
{
    execute({QStringLiteral("create exception E_KEEP 'kept'"),
             QStringLiteral("create trigger T_KEEP for SAGYOIN before delete as begin"
                            " if (old.INCD = 2) then exception E_KEEP; end")});
    open(QStringLiteral("2"));
    const auto qualifications = [this](int worker) {
        return scalar(
            QStringLiteral("Select count(*) from INSIKAKU where KJCD = 1 and GYOCD = 2 and INCD = %1").arg(worker));
    };
    table.Delete();
    EXPECT_EQ(qualifications(1), QStringLiteral("0"));
    table.First();
    EXPECT_EQ(value("INCD"), QStringLiteral("2"));
    EXPECT_THROW(table.Delete(), db::Error);
    EXPECT_EQ(qualifications(2), QStringLiteral("2"));
    EXPECT_EQ(table.RecordCount(), 2);
}

TEST_F(WorkerRulesTest, LeavingTheBirthDateSetsAMissingAgeAndAlwaysTheFlags)
{
    open(QStringLiteral("2"));
    table.Edit();
    set("OLD", 30);
    rules->ApplyBirthDate(table, QDate(1963, 4, 1));  // 63 on the work date
    EXPECT_EQ(value("OLD") + value("ADVA") + value("YNG"), QStringLiteral("3010"));
    set("OLD", QVariant());
    rules->ApplyBirthDate(table, QDate(2010, 1, 1));
    EXPECT_EQ(value("OLD") + value("ADVA") + value("YNG"), QStringLiteral("1601"));
    // A birth date after the work date gives no age and changes nothing.
    rules->ApplyBirthDate(table, QDate(2026, 6, 2));
    EXPECT_EQ(value("OLD") + value("ADVA") + value("YNG"), QStringLiteral("1601"));
}

// What the roster does beside the editing: toggling and recalculating are posts.
TEST_F(WorkerRulesTest, ARefusedToggleLeavesNoWorkerInEdit)
{
    execute({QStringLiteral("Update SAGYOIN set NAME = null where KJCD = 1 and GYOCD = 2 and INCD = 2")});
    open(QStringLiteral("2"));
    WorkerRoster roster(table, *rules);
    roster.ToggleSelection();
    EXPECT_EQ(rules->SelectedCount(), 2);
    table.Next();
    EXPECT_THROW(roster.ToggleSelection(), EAbort);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("氏名が有りません")});
    EXPECT_EQ(table.State(), DataSetState::Browse);
    EXPECT_EQ(value("SEL"), QStringLiteral("1"));
    table.Next();  // moves: nothing is pending
    EXPECT_EQ(value("INCD"), QStringLiteral("3"));
}

TEST_F(WorkerRulesTest, RecalculationCorrectsChangedAgesSkipsUnusableBirthDatesAndStopsAtARefusal)
{
    execute({QStringLiteral("Update SAGYOIN set OLD = 1 where KJCD = 1 and GYOCD = 2"),
             QStringLiteral("Update SAGYOIN set BNDT = '1995/9/2' where KJCD = 1 and GYOCD = 2 and INCD = 2")});
    open(QStringLiteral("2"));
    WorkerRoster roster(table, *rules);
    table.Last();
    roster.RecalculateAges();
    EXPECT_EQ(column(QStringLiteral("Select OLD from SAGYOIN where KJCD = 1 and GYOCD = 2 order by INCD")),
              QStringList({QStringLiteral("44"), QStringLiteral("1"), QStringLiteral("37")}));
    EXPECT_EQ(value("INCD"), QStringLiteral("3"));

    execute({QStringLiteral("Update SAGYOIN set OLD = 1, NAME = null where KJCD = 1 and GYOCD = 2 and INCD = 1"),
             QStringLiteral("Update SAGYOIN set OLD = 1 where KJCD = 1 and GYOCD = 2 and INCD = 3")});
    table.Refresh();
    EXPECT_THROW(roster.RecalculateAges(), EAbort);
    EXPECT_EQ(table.State(), DataSetState::Browse);
    EXPECT_EQ(value("INCD"), QStringLiteral("3"));
    EXPECT_EQ(column(QStringLiteral("Select OLD from SAGYOIN where KJCD = 1 and GYOCD = 2 order by INCD")),
              QStringList({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}));
}

}  // namespace
