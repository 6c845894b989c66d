#include "DocumentFixture.h"
#include "EquipmentRows.h"
#include "equipment/MachineNotificationDocument.h"
#include "equipment/ToolNotificationDocument.h"
#include "equipment/VehicleNotificationDocument.h"

using namespace sorvik::documents;

namespace {

// The notifications of the equipment of EquipmentRows.h.
class EquipmentNotificationTest : public DocumentFixture
{
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        ReplaceEquipment(data.IBTransaction1);
    }

    EquipmentChoices chosen(const QStringList &codes, bool dated = true) const
    {
        return {QStringLiteral("1"), codes, QDate(2026, 6, 1), dated};
    }

    template<class Document> DocumentPages build(const EquipmentChoices &choices, int lastRow)
    {
        Document document(data, settings, choices);
        document.Build(engine);
        written = document.WrittenMarkers();
        return pages(Document::TemplateFile, Document::SheetName, lastRow);
    }

    QSet<QString> written;
};

const QString kMark = QStringLiteral("ﾚ");

TEST_F(EquipmentNotificationTest, VehiclesOfTwoContractorsPrintAPageEachWithTheirPeriodsAndUnits)
{
    const DocumentPages vehicles
        = build<VehicleNotificationDocument>(chosen({QStringLiteral("2"), QStringLiteral("1")}), -1);
    ASSERT_EQ(vehicles.count(), 2);
    // In code order, whatever the order of the selection.
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**CARNO")), QStringLiteral("札幌 400 さ 12-34"));
    EXPECT_EQ(vehicles.value(1, QStringLiteral("**CARNO")), QStringLiteral("札幌 580 ひ 56-78"));
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(vehicles.value(page, QStringLiteral("**MKYMD")), QStringLiteral("令和　8年　6月　1日"));
        EXPECT_EQ(vehicles.value(page, QStringLiteral("**JIGYONM")), QStringLiteral("札幌支店"));
        EXPECT_EQ(vehicles.value(page, QStringLiteral("**SHOTYONM")), QStringLiteral("高橋 誠　殿"));
        EXPECT_EQ(vehicles.value(page, QStringLiteral("**CMP1NM")), QStringLiteral("株式会社丸山土木"));
        EXPECT_TRUE(vehicles.markersLeft(page).isEmpty()) << vehicles.markersLeft(page).join(u' ').toStdString();
    }
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**USEUNUM")), QStringLiteral("（1 次）"));
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**STDT")), QStringLiteral("令和 8年 5月 7日 ～ 令和 9年 3月 19日"));
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**OPBNDT")), QStringLiteral("昭和 57年 4月 18日"));
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**DV1NO")), QStringLiteral("AB-5512034 号"));
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**DV2M1")), QStringLiteral("0 万円"));
    EXPECT_EQ(vehicles.value(0, QStringLiteral("**DV2M2")), QStringLiteral("10000 万円"));
    EXPECT_EQ(vehicles.value(1, QStringLiteral("**USECMPNM")), QStringLiteral("有限会社石狩重機"));
    EXPECT_EQ(vehicles.value(1, QStringLiteral("**USEUNUM")), QStringLiteral("（2 次）"));
    // No voluntary insurance and no licence period: blank cells, not bare units or dashes.
    EXPECT_EQ(vehicles.value(1, QStringLiteral("**DV2NO")), QString());
    EXPECT_EQ(vehicles.value(1, QStringLiteral("**DV2M2")), QString());
    EXPECT_EQ(vehicles.value(1, QStringLiteral("**LICST")), QString());
}

TEST_F(EquipmentNotificationTest, AMissingTierOrPolicyNumberLeavesItsCellBlank)
{
    exec(QStringLiteral("update CARRY set USEUNUM = null, DV1NO = null where CRCD = 1"));
    const DocumentPages vehicle = build<VehicleNotificationDocument>(chosen({QStringLiteral("1")}), -1);
    ASSERT_EQ(vehicle.count(), 1);
    EXPECT_EQ(vehicle.value(0, QStringLiteral("**USEUNUM")), QString());
    EXPECT_EQ(vehicle.value(0, QStringLiteral("**DV1NO")), QString());
    EXPECT_EQ(vehicle.value(0, QStringLiteral("**DV2NO")), QStringLiteral("T-77810293 号"));
}

TEST_F(EquipmentNotificationTest, AnUntickedDateBoxPrintsTheBlankDatePicture)
{
    const DocumentPages vehicle = build<VehicleNotificationDocument>(chosen({QStringLiteral("1")}, false), -1);
    EXPECT_EQ(vehicle.value(0, QStringLiteral("**MKYMD")), QStringLiteral("　　　　年　　月　　日"));
    EXPECT_EQ(vehicle.value(0, QStringLiteral("**JIGYONM")), QStringLiteral("札幌支店"));
}

TEST_F(EquipmentNotificationTest, EachChosenMachineFillsItsOwnTwoPageCopy)
{
    const DocumentPages three = build<MachineNotificationDocument>(
        chosen({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}), MachineNotificationDocument::PageRows);
    ASSERT_EQ(three.count(), 3);
    EXPECT_EQ(three.value(0, QStringLiteral("**JYUNO")), QStringLiteral("A12"));
    EXPECT_EQ(three.value(1, QStringLiteral("**JYUNO")), QStringLiteral("B3"));
    EXPECT_EQ(three.value(2, QStringLiteral("**KKNM")), QStringLiteral("ラフテレーンクレーン"));
    EXPECT_EQ(three.value(0, QStringLiteral("**HNDUNUM")), QStringLiteral("（2 次）"));
    EXPECT_EQ(three.value(0, QStringLiteral("**MDYMD")), QStringLiteral("2019年"));
    EXPECT_EQ(three.value(0, QStringLiteral("**ISRS")), QStringLiteral("リース"));
    EXPECT_EQ(three.value(1, QStringLiteral("**ISRS")), QStringLiteral("自社"));
    EXPECT_EQ(three.value(0, QStringLiteral("**DV4TYP")), QStringLiteral("その他"));
    EXPECT_EQ(three.value(1, QStringLiteral("**DV4TYP")), QStringLiteral("動産総合保険"));
    EXPECT_EQ(three.value(1, QStringLiteral("**FNDT")), QStringLiteral("令和 8年 9月 30日"));
    for (int page = 0; page < 3; ++page)
        EXPECT_TRUE(three.markersLeft(page).isEmpty()) << three.markersLeft(page).join(u' ').toStdString();

    const DocumentPages one
        = build<MachineNotificationDocument>(chosen({QStringLiteral("2")}), MachineNotificationDocument::PageRows);
    EXPECT_EQ(one.count(), 1);
    EXPECT_EQ(one.value(0, QStringLiteral("**KKNM")), QStringLiteral("タイヤローラ"));
}

TEST_F(EquipmentNotificationTest, CheckMarksGoToTheirItemRowAndSide)
{
    const DocumentPages machine
        = build<MachineNotificationDocument>(chosen({QStringLiteral("1")}), MachineNotificationDocument::PageRows);
    // A-3 passed on both sides: the third item row, two template rows per item.
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKA"), 0, 4), kMark);
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKA"), 1, 4), kMark);
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKA"), 1, 2), QString());
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKG"), 0, 8), kMark);
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKG"), 1, 8), QString());
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKCMT")), QStringLiteral("バケット爪摩耗 要観察"));
    EXPECT_EQ(machine.value(0, QStringLiteral("**CHKH")), QString());

    exec(QStringLiteral("update KIKAI set CHKH_2A = 1, CHKCMT2 = '油圧ホース' where MCCD = 1"));
    const DocumentPages remarked
        = build<MachineNotificationDocument>(chosen({QStringLiteral("1")}), MachineNotificationDocument::PageRows);
    EXPECT_EQ(remarked.value(0, QStringLiteral("**CHKH"), 0, 2), kMark);
    EXPECT_EQ(remarked.value(0, QStringLiteral("**CHKCMT"), 0, 2), QStringLiteral("油圧ホース"));
}

TEST_F(EquipmentNotificationTest, ToolSlotsKeepTheirRowsAndChecksTheirColumns)
{
    exec(QStringLiteral("update KOUGU set KKNM2 = null, CHK01 = '1001', CHK02 = '1', CHK03 = null where KGCD = 1"));
    const DocumentPages tools
        = build<ToolNotificationDocument>(chosen({QStringLiteral("1")}), ToolNotificationDocument::PageRows);
    ASSERT_EQ(tools.count(), 1);
    EXPECT_EQ(tools.value(0, QStringLiteral("**KKNM")), QStringLiteral("ディスクグラインダー"));
    EXPECT_EQ(tools.value(0, QStringLiteral("**JYUNO")), QStringLiteral("501"));
    EXPECT_EQ(tools.value(0, QStringLiteral("**KKNM"), 0, 4), QString());
    EXPECT_EQ(tools.value(0, QStringLiteral("**SPEC"), 0, 4), QString());
    EXPECT_EQ(tools.value(0, QStringLiteral("**KKNM"), 0, 8), QStringLiteral("交流アーク溶接機"));
    EXPECT_EQ(tools.value(0, QStringLiteral("**JYUNO"), 0, 8), QStringLiteral("503"));
    EXPECT_EQ(tools.value(0, QStringLiteral("**STDT"), 0, 8), QStringLiteral("令和 8年 6月 1日"));

    const QStringList marks{kMark, {}, {}, kMark, {}};
    for (int slot = 0; slot < marks.size(); ++slot)
        EXPECT_EQ(tools.value(0, QStringLiteral("**CHK01"), slot), marks[slot]) << slot;
    EXPECT_EQ(tools.value(0, QStringLiteral("**CHK02")), kMark);
    EXPECT_EQ(tools.value(0, QStringLiteral("**CHK02"), 1), QString());
    EXPECT_EQ(tools.value(0, QStringLiteral("**CHK03")), QString());
    EXPECT_EQ(tools.value(0, QStringLiteral("**CHK11"), 2), QStringLiteral("良"));
    EXPECT_EQ(tools.value(0, QStringLiteral("**CHKNM21")), QStringLiteral("アース線の接続"));
    EXPECT_EQ(tools.value(0, QStringLiteral("**CHK21"), 2), kMark);
    EXPECT_TRUE(tools.markersLeft(0).isEmpty()) << tools.markersLeft(0).join(u' ').toStdString();
}

TEST_F(EquipmentNotificationTest, NoChosenRecordGivesTheOpenedSheetOnly)
{
    const DocumentPages none = build<ToolNotificationDocument>(chosen({}), ToolNotificationDocument::PageRows);
    EXPECT_LE(none.count(), 1);
    EXPECT_TRUE(written.isEmpty());
}

}  // namespace
