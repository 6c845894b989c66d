#include "SiteFixture.h"

#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "records/BarcodeNumber.h"
#include "records/MachineRules.h"
#include "records/RecordSession.h"
#include "records/ToolRules.h"
#include "records/VehicleRules.h"
#include "schema/SchemaDefinition.h"

#include <optional>

namespace {

// An equipment notification's rules at work on the demo site, without a window: a
// table, the rules and the session that applies them, as an editor holds them.
template<typename Rules> struct Notification
{
    explicit Notification(const RecordContext &context)
        : table(context.Transaction)
        , rules(context)
        , session(table, rules)
    {
    }

    // Opens the record `code` of a contractor, or begins a new one when `code` is empty.
    void open(const QString &kojiCode, const QString &gyoCode, const QString &code = {})
    {
        rules.SetRecord(kojiCode, gyoCode, code);
        rules.FilterToRecord(table);
        session.Open();
        if (rules.NewRecord())
            table.Append();
    }
    QString field(const char *column) { return table.FieldByName(QLatin1String(column)).AsString(); }
    void set(const char *column, const QString &value) { table.FieldByName(QLatin1String(column)).SetAsString(value); }

    TableDataSet table;
    Rules rules;
    RecordSession session;
};

class EquipmentRulesTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 11, 2);
        m_context.emplace(records());
        m_context->Today = [] { return QDate(2026, 12, 9); };
    }

    QString refusal(const std::function<void()> &post)
    {
        messages.clear();
        EXPECT_THROW(post(), EAbort);
        return messages.texts().value(0);
    }

    const RecordContext &context() const { return *m_context; }

private:
    std::optional<RecordContext> m_context;
};

TEST_F(EquipmentRulesTest, CodesAndAcceptanceNumbersCountPerTableOverTheWholeProject)
{
    Notification<VehicleRules> first(context());
    first.open("2", "2");
    EXPECT_EQ(first.field("CRCD"), "1");
    EXPECT_EQ(first.field("JYUNO"), "1");
    first.set("CARNO", "札幌 100 か 55-01");
    first.set("USECMPNM", "株式会社丸山土木");
    first.table.Post();

    // Another contractor of the project: the vehicle numbers run on.
    Notification<VehicleRules> second(context());
    second.open("2", "3");
    EXPECT_EQ(second.rules.RecordCode(), "2");
    EXPECT_EQ(second.field("JYUNO"), "2");

    // A machine counts on its own.
    Notification<MachineRules> machine(context());
    machine.open("2", "3");
    EXPECT_EQ(machine.field("MCCD"), "1");
    EXPECT_EQ(machine.field("JYUNO"), "1");

    // The demo project holds two vehicles and two machines already.
    Notification<VehicleRules> third(context());
    third.open("1", "5");
    EXPECT_EQ(third.field("CRCD"), "3");
    EXPECT_EQ(third.field("JYUNO"), "3");
}

TEST_F(EquipmentRulesTest, AnExistingRecordIsShownAndNotBegunAgain)
{
    Notification<VehicleRules> vehicle(context());
    vehicle.open("1", "4", "2");
    EXPECT_FALSE(vehicle.rules.NewRecord());
    EXPECT_EQ(vehicle.table.RecordCount(), 1);
    EXPECT_EQ(vehicle.field("CARNO"), "札幌 130 さ 77-01");
    EXPECT_EQ(vehicle.table.State(), DataSetState::Browse);
}

TEST_F(EquipmentRulesTest, ANewVehicleNamesItsCompaniesAndTheSiteAgent)
{
    Notification<VehicleRules> vehicle(context());
    vehicle.open("1", "6");
    EXPECT_EQ(vehicle.field("KJCD"), "1");
    EXPECT_EQ(vehicle.field("GYOCD"), "6");
    EXPECT_EQ(vehicle.field("CMP1NM"), "株式会社丸山土木");  // 6 works under 4, which works under 2
    EXPECT_EQ(vehicle.field("USECMPNM"), "株式会社北斗オペレーション");
    EXPECT_EQ(vehicle.field("USEUNUM"), "3");
    EXPECT_EQ(vehicle.field("DAIRI"), "北斗 亮");
    EXPECT_EQ(vehicle.field("CRDT"), "2026/12/09");
}

TEST_F(EquipmentRulesTest, MachinesAndToolsNameTheRepresentativeOfTheContractorsNewestVersion)
{
    execute({"update GYOSYA set PRNM = '千葉 哲也' where KJCD = 1 and GYOCD = 5 and APDT = '2026/10/01'",
             "update GYOSYA set PRNM = '千葉 哲夫' where KJCD = 1 and GYOCD = 5 and APDT = '2026/04/01'"});
    AppContext::instance().WorkDate = QDate(2026, 7, 1);  // the older version's time
    Notification<MachineRules> machine(context());
    machine.open("1", "5");
    EXPECT_EQ(machine.field("HNDOWCMPNM"), "千歳鉄筋工業所");
    EXPECT_EQ(machine.field("HNDUNUM"), "2");
    EXPECT_EQ(machine.field("HNDPRE"), "千葉 哲也");
    EXPECT_EQ(machine.field("HNDTEL"), "0123-27-3341");
    machine.table.Cancel();

    Notification<ToolRules> tools(context());
    tools.open("1", "5");
    EXPECT_EQ(tools.field("HNDPRE"), "千葉 哲也");
    EXPECT_EQ(tools.field("CMP1NM"), "株式会社丸山土木");

    // A contractor without any version leaves them empty.
    Notification<ToolRules> unregistered(context());
    unregistered.open("1", "99");
    EXPECT_EQ(unregistered.field("HNDPRE"), "");
}

TEST_F(EquipmentRulesTest, ANewMachineIsOwnedAndUncheckedEvenWhereTheFormShowsNothing)
{
    Notification<MachineRules> machine(context());
    machine.open("1", "4");
    EXPECT_EQ(machine.field("ISRS"), "0");
    for (const QString &column : KikaiCheckColumns())
        EXPECT_EQ(machine.table.FieldByName(column).AsString(), "0") << column.toStdString();
}

TEST_F(EquipmentRulesTest, ANewToolSetHasEveryRowUncheckedForAllTenTools)
{
    Notification<ToolRules> tools(context());
    tools.open("1", "5");
    EXPECT_EQ(ToolRules::CheckColumns().size(), 23);
    for (const QString &column : ToolRules::CheckColumns())
        EXPECT_EQ(tools.table.FieldByName(column).AsString(), "0000000000") << column.toStdString();
    EXPECT_TRUE(tools.field("CHK11_1").isEmpty());
}

TEST_F(EquipmentRulesTest, PostChecksRefuseInOrderWithTheirMessages)
{
    Notification<VehicleRules> vehicle(context());
    vehicle.open("1", "6");
    EXPECT_EQ(refusal([&] { vehicle.table.Post(); }), "車両番号が有りません");
    vehicle.set("CARNO", "札幌 300 と 10-10");
    vehicle.set("USECMPNM", "");
    EXPECT_EQ(refusal([&] { vehicle.table.Post(); }), "持込会社名が有りません");
    vehicle.set("USECMPNM", "株式会社北斗オペレーション");
    vehicle.set("BARCDNO", "AB12");
    EXPECT_EQ(refusal([&] { vehicle.table.Post(); }), BarcodeNumber::Malformed);

    Config::write(*ini, Config::BarCode, true);
    vehicle.set("BARCDNO", "");
    EXPECT_EQ(refusal([&] { vehicle.table.Post(); }), "BARCDが有りません。各種設定の統一バーコード採用時は必須です。");
    vehicle.set("BARCDNO", "HK0001");
    vehicle.table.Post();
    EXPECT_EQ(scalar("select EDDT from CARRY where KJCD = 1 and CRCD = 3"), "2026/12/09");
    EXPECT_FALSE(vehicle.rules.NewRecord());
}

TEST_F(EquipmentRulesTest, MachinesAndToolsRequireTheirNamesButNoBarcode)
{
    Config::write(*ini, Config::BarCode, true);
    Notification<MachineRules> machine(context());
    machine.open("1", "4");
    EXPECT_EQ(refusal([&] { machine.table.Post(); }), "機械名称が有りません");
    machine.set("KKNM", "バックホウ");
    machine.set("HNDOWCMPNM", "");
    EXPECT_EQ(refusal([&] { machine.table.Post(); }), "持込会社名が有りません");
    machine.set("HNDOWCMPNM", "有限会社石狩重機");
    machine.table.Post();

    Notification<ToolRules> tools(context());
    tools.open("1", "5");
    EXPECT_EQ(refusal([&] { tools.table.Post(); }), "機械名称1が有りません");
    tools.set("KKNM1", "電動ハンマー");
    tools.table.Post();
    EXPECT_EQ(scalar("select count(*) from KOUGU where KJCD = 1"), "2");
}

TEST_F(EquipmentRulesTest, TheFirstExpiryBeforeTheRemovalDateIsPointedOutAndThePostGoesOn)
{
    Notification<MachineRules> machine(context());
    machine.open("1", "4");
    machine.set("KKNM", "ラフテレーンクレーン");
    machine.set("FNDT", "2010/05/01");
    machine.set("TES4YMD", "2010/04/30");
    machine.set("TES5YMD", "2010/03/31");
    messages.clear();
    machine.table.Post();
    EXPECT_EQ(messages.texts(), QStringList{"ご注意：この機械の性能検査有効期限が搬出予定日前になっています。"});
    EXPECT_EQ(scalar("select FNDT from KIKAI where KJCD = 1 and MCCD = 3"), "2010/05/01");
}

TEST_F(EquipmentRulesTest, RemovalNoticesCompareOnlyRealDates)
{
    Notification<MachineRules> machine(context());
    machine.open("1", "4");
    const auto notice
        = [&](const char *removal, const char *performance, const char *inspection, const char *insurance) {
              machine.set("FNDT", removal);
              machine.set("TES4YMD", performance);
              machine.set("TES5YMD", inspection);
              machine.set("DVYMD", insurance);
              return MachineRules::RemovalNotice(machine.table);
          };
    EXPECT_EQ(notice("2010/05/01", "", "2010/04/30", ""),
              "ご注意：この機械の車検有効期限が搬出予定日前になっています。");
    EXPECT_EQ(notice("2010/05/01", "", "", "2010/04/01"),
              "ご注意：この機械の任意保険有効期限が搬出予定日前になっています。");
    EXPECT_EQ(notice("2010/05/01", "2010/05/01", "2010/06/01", "2011/01/01"), "");
    // A date a package brought in another form, or a note, is no date to compare.
    EXPECT_EQ(notice("2010/5/1", "2010/04/30", "", ""), "");
    EXPECT_EQ(notice("2010/05/01", "車検不要", "", ""), "");
    EXPECT_EQ(notice("", "2010/04/30", "2010/04/30", "2010/04/30"), "");
}

TEST_F(EquipmentRulesTest, DriversAreTakenWithTheirLicenceAndAnExpiryIsPointedOut)
{
    Notification<VehicleRules> vehicle(context());
    vehicle.open("1", "4");
    VehicleRules::TakeDriver(vehicle.table, "石川 拓也", "石狩市花川北3条2丁目118", "1979/10/30",
                             "大型特殊自動車運転免許", "第 60 9876 5432 1 号");
    EXPECT_EQ(vehicle.field("OPNM") + "|" + vehicle.field("OPADD") + "|" + vehicle.field("OPBNDT") + "|"
                  + vehicle.field("OPLIC") + "|" + vehicle.field("OPLICNO"),
              "石川 拓也|石狩市花川北3条2丁目118|1979/10/30|大型特殊自動車運転免許|第 60 9876 5432 1 号");
    EXPECT_EQ(VehicleRules::LicenceNotice("2026/12/25", "2026/12/24"),
              "ご注意：この運転者の免許有効期限が使用期間終了日前になっています。");
    EXPECT_EQ(VehicleRules::LicenceNotice("2026/12/25", "2026/12/25"), "");
    EXPECT_EQ(VehicleRules::LicenceNotice("", "2026/12/24"), "");

    Notification<MachineRules> machine(context());
    machine.open("1", "4");
    MachineRules::TakeOperator(machine.table, 1, "岩田 昇", "車両系 玉掛");
    EXPECT_EQ(machine.field("DRV2") + "|" + machine.field("DRV2LS"), "岩田 昇|車両系 玉掛");
    EXPECT_TRUE(machine.field("DRV1").isEmpty());
    EXPECT_EQ(MachineRules::LicenceNotice("2026/12/25", "2026/01/01"),
              "ご注意：この運転者の免許有効期限が搬出予定日以前となっています。");
}

TEST_F(EquipmentRulesTest, ANewRecordStillHoldingItsDefaultsIsUntouched)
{
    Notification<ToolRules> tools(context());
    tools.open("1", "5");
    EXPECT_TRUE(tools.session.IsUntouchedNewRecord());
    tools.set("CHK01", "1000000000");
    EXPECT_FALSE(tools.session.IsUntouchedNewRecord());
}

TEST(ToolNumberTest, IsTheAcceptanceNumberFollowedByTheToolInTwoDigits)
{
    EXPECT_EQ(ToolRules::ToolAcceptanceNumber(12, 3), "1203");
    EXPECT_EQ(ToolRules::ToolAcceptanceNumber(1, 10), "110");
    EXPECT_EQ(ToolRules::ToolAcceptanceNumber(QVariant(), 1), "");
}

TEST(BarcodeNumberTest, TakesSixToEightCapitalsOrDigitsOrNothing)
{
    for (const char *valid : {"", "ABC123", "1234567", "ZZ00ZZ00"})
        EXPECT_TRUE(BarcodeNumber::IsValid(valid)) << valid;
    for (const char *invalid : {"ABC12", "123456789", "abc123", "ABC-123", "ＡＢＣ１２３"})
        EXPECT_FALSE(BarcodeNumber::IsValid(QString::fromUtf8(invalid))) << invalid;
    EXPECT_EQ(BarcodeNumber::Typed("ab-9z"), "AB-9Z");
    EXPECT_EQ(BarcodeNumber::Typed("ｂ"), "ｂ");
}

}  // namespace
