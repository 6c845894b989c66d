#include "DocumentFixture.h"
#include "EquipmentRows.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "others/ConstructionNoticeDocument.h"
#include "others/InspectionSheetDocument.h"
#include "others/MachineSearch.h"
#include "others/SafetySheetDocument.h"

using namespace sorvik::documents;

namespace {

// The one-page sheets and the machine search of the inspection sheets' picker.
class OtherSheetsTest : public DocumentFixture
{
protected:
    DocumentPages safety(SafetySheetDocument::Sheet sheet, bool dated)
    {
        SafetySheetDocument(data, settings, {QStringLiteral("1"), {}, sheet, QDate(2026, 6, 1), dated}).Build(engine);
        return pages(SafetySheetDocument::TemplateFile, SafetySheetDocument::SheetName(sheet), -1);
    }
    DocumentPages notice()
    {
        ConstructionNoticeDocument(data, settings, QStringLiteral("1"), QDate(2026, 6, 1)).Build(engine);
        return pages(ConstructionNoticeDocument::TemplateFile, ConstructionNoticeDocument::SheetName, -1);
    }
    QStringList found(const MachineSearch &search)
    {
        QueryDataSet rows(data.IBTransaction1);
        const SqlStatement sql = search.Sql();
        rows.SetSQL(sql.text, sql.params);
        rows.Open();
        QStringList names;
        for (rows.First(); !rows.Eof(); rows.Next())
            names << rows.FieldByName(QStringLiteral("KKNM")).AsString();
        return names;
    }
};

using Safety = SafetySheetDocument::Sheet;

TEST_F(OtherSheetsTest, SafetySheetsDateInTheirOwnPictureOrItsBlankShape)
{
    const DocumentPages instruction = safety(Safety::WorkInstruction, true);
    ASSERT_EQ(instruction.count(), 1);
    EXPECT_EQ(instruction.value(0, QStringLiteral("**MKYMD")), QStringLiteral("（　令和　8年　6月　1日　分　）"));
    EXPECT_EQ(instruction.value(0, QStringLiteral("**CPNM")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(instruction.value(0, QStringLiteral("**GBNM")), QStringLiteral("高橋 誠"));
    EXPECT_TRUE(instruction.markersLeft(0).isEmpty()) << instruction.markersLeft(0).join(u' ').toStdString();

    // 2026/06/01 is a Monday.
    EXPECT_EQ(safety(Safety::SafetyMeeting, true).value(0, QStringLiteral("**MKYMD")),
              QStringLiteral("令和 8年 6月 1日（月曜日）"));
    EXPECT_EQ(safety(Safety::SafetyMeeting, false).value(0, QStringLiteral("**MKYMD")),
              QStringLiteral("　　　年　　月　　日（    ）曜日"));

    const DocumentPages training = safety(Safety::Training, false);
    EXPECT_EQ(training.value(0, QStringLiteral("**MKYMD")), QStringLiteral("　　　年　　月　　日"));
    EXPECT_EQ(training.value(0, QStringLiteral("**JIGYONM")), QStringLiteral("札幌支店"));
    EXPECT_EQ(training.value(0, QStringLiteral("**SHOTYONM")), QStringLiteral("高橋 誠　殿"));
    EXPECT_TRUE(training.markersLeft(0).isEmpty()) << training.markersLeft(0).join(u' ').toStdString();
}

TEST_F(OtherSheetsTest, InspectionSheetsCarryWhatWasTyped)
{
    using Sheet = InspectionSheetDocument::Sheet;
    InspectionSheetDocument(settings,
                            {Sheet::ScaffoldBeforeWork, QStringLiteral("現場"), QStringLiteral("第2工区 橋台"), {}, {}})
        .Build(engine);
    const DocumentPages scaffold = pages(InspectionSheetDocument::TemplateFile, QStringLiteral("足場始業前"), -1);
    EXPECT_EQ(scaffold.value(0, QStringLiteral("**JIGYONM")), QStringLiteral("現場"));
    EXPECT_EQ(scaffold.value(0, QStringLiteral("**BASHO")), QStringLiteral("第2工区 橋台"));

    InspectionSheetDocument(
        settings,
        {Sheet::MachinePeriodic, QStringLiteral("現場"), {}, QStringLiteral("バックホウ"), QStringLiteral("A12")})
        .Build(engine);
    const DocumentPages machine = pages(InspectionSheetDocument::TemplateFile, QStringLiteral("機械定期"), -1);
    EXPECT_EQ(machine.value(0, QStringLiteral("**KKNM")), QStringLiteral("バックホウ"));
    EXPECT_EQ(machine.value(0, QStringLiteral("**JYUNO")), QStringLiteral("A12"));
    EXPECT_TRUE(machine.markersLeft(0).isEmpty()) << machine.markersLeft(0).join(u' ').toStdString();
}

TEST_F(OtherSheetsTest, TheNoticeFallsBackToOfficeAndManagerWithoutANoticeText)
{
    exec(QStringLiteral("update GYOSYA set TEIS = null where KJCD = 1 and GYOCD = 1"));
    const DocumentPages fallback = notice();
    ASSERT_EQ(fallback.count(), 1);
    EXPECT_EQ(fallback.value(0, QStringLiteral("**PRDT")), QStringLiteral("令和  8年 6月 1日"));
    EXPECT_EQ(fallback.value(0, QStringLiteral("**KJNM")), QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
    EXPECT_EQ(fallback.value(0, QStringLiteral("**HTYNM")), QStringLiteral("国土交通省 北海道開発局 札幌開発建設部"));
    EXPECT_EQ(fallback.value(0, QStringLiteral("**MOTONM")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(fallback.value(0, QStringLiteral("**TEIS")), QStringLiteral("札幌支店  高橋 誠"));
    EXPECT_TRUE(fallback.markersLeft(0).isEmpty()) << fallback.markersLeft(0).join(u' ').toStdString();

    exec(QStringLiteral("update GYOSYA set TEIS = '北辰建設株式会社 札幌支店 工事部' where KJCD = 1 and GYOCD = 1"));
    EXPECT_EQ(notice().value(0, QStringLiteral("**TEIS")), QStringLiteral("北辰建設株式会社 札幌支店 工事部"));
}

TEST_F(OtherSheetsTest, MachineSearchKeepsMachinesStillOnSiteAndTakesNamesAsTyped)
{
    ReplaceEquipment(data.IBTransaction1);
    MachineSearch search{QStringLiteral("1"), {}, {}, {}};
    EXPECT_EQ(found(search),
              (QStringList{QStringLiteral("バックホウ"), QStringLiteral("ラフテレーンクレーン"),
                           QStringLiteral("タイヤローラ")}));
    // In October the roller has gone out; the others have no exit date.
    search.usedOn = QDate(2026, 10, 1);
    EXPECT_EQ(found(search), (QStringList{QStringLiteral("バックホウ"), QStringLiteral("ラフテレーンクレーン")}));
    search.usedOn = QDate(2026, 6, 20);
    search.company = QStringLiteral("道央舗装株式会社");
    EXPECT_EQ(found(search), QStringList{QStringLiteral("タイヤローラ")});

    exec(QStringLiteral("update KIKAI set KKNM = 'O''Reilly式ローラ' where MCCD = 2"));
    search = {QStringLiteral("1"), QStringLiteral("O'Reilly"), {}, {}};
    EXPECT_EQ(found(search), QStringList{QStringLiteral("O'Reilly式ローラ")});
    search.name = QStringLiteral("' or ''='");
    EXPECT_TRUE(found(search).isEmpty());

    EXPECT_EQ(MachineSearch::Companies(data.IBTransaction1, QStringLiteral("1")).size(), 3);
}

}  // namespace
