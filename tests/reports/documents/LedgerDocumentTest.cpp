#include "DocumentFixture.h"
#include "TemplateManifest.h"
#include "ledger/LedgerCells.h"
#include "ledger/LedgerDocument.h"

using namespace sorvik::documents;
using Kind = LedgerDocument::Kind;

namespace {

// The ledger and the notice of the demo site's road project (prime 1; 2 and 3 below it; 4
// and 5 below 2; 6 below 4) and of its joint-venture project 3.
class LedgerDocumentTest : public DocumentFixture
{
protected:
    DocumentPages build(Kind kind, const QStringList &subcontractors, const QString &reporting = {},
                        const QDate &date = QDate(2026, 6, 1), const QString &project = QStringLiteral("1"))
    {
        LedgerChoices choices;
        choices.kojiCode = project;
        choices.date = date;
        choices.subcontractors = subcontractors;
        choices.reportingCode = reporting;
        choices.jointVenture = project == QLatin1String("3");
        document = std::make_unique<LedgerDocument>(data, settings, choices, kind);
        document->Build(engine);
        return pages(LedgerDocument::TemplateFile(kind), LedgerDocument::SheetName(kind),
                     LedgerDocument::RowsPerPage(kind));
    }

    bool written(const char *marker) const { return document->WrittenMarkers().contains(QLatin1String(marker)); }

    std::unique_ptr<LedgerDocument> document;
};

TEST_F(LedgerDocumentTest, LedgerGivesEachDirectSubcontractorAPageUnderTheSameUpperSection)
{
    // Contractor 3 names no contract party: its page keeps the project's subcontracting office.
    execute({QStringLiteral("Update GYOSYA set KYCOM = '札幌舗装工事 発注事務所', KYADD = null"
                            " where KJCD = 1 and GYOCD = 2"),
             QStringLiteral("Update GYOSYA set KYCOM = null, KYADD = null where KJCD = 1 and GYOCD = 3")});
    const DocumentPages ledger = build(Kind::Ledger, {QStringLiteral("2"), QStringLiteral("3")});
    ASSERT_EQ(ledger.count(), 2);
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(ledger.value(page, QStringLiteral("**PRDT")), QStringLiteral("令和 8年6月1日 作成"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**KJNM")),
                  QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
        // The project's first version: the extension of September is later than the date.
        EXPECT_EQ(ledger.value(page, QStringLiteral("**FNDT")), QStringLiteral("令和 09年01月29日"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**ODPOST")), QStringLiteral("060-8506"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**CPNM0")), QStringLiteral("北辰建設株式会社"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**JGNM0")), QStringLiteral("札幌支店"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**KYGY10")), QStringLiteral("土木"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**KYNUM20")),
                  QStringLiteral("大臣・特定 国土交通大臣 第       002871 号"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**KYDT20")), QStringLiteral("令和 05年06月12日"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**KSNM10")), QStringLiteral("主任"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**GJNM20")), QStringLiteral("斎藤 聡"));
        EXPECT_EQ(ledger.value(page, QStringLiteral("**STAD")), QStringLiteral("札幌市中央区北3条西7丁目1-1"));
        EXPECT_TRUE(ledger.markersLeft(page).isEmpty()) << ledger.markersLeft(page).join(u' ').toStdString();
    }
    EXPECT_EQ(ledger.value(0, QStringLiteral("**STNM")), QStringLiteral("札幌舗装工事 発注事務所"));
    EXPECT_EQ(ledger.value(1, QStringLiteral("**STNM")), QStringLiteral("北辰建設株式会社 札幌支店"));

    EXPECT_EQ(ledger.value(0, QStringLiteral("**CPNM1")), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**PSNM1")), QStringLiteral("代表取締役 丸山 孝 "));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**ADD1")), QStringLiteral("札幌市南区真駒内上町3丁目2-8"));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**KJNY1")), QStringLiteral("土工事・排水構造物工事"));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**STDT1")), QStringLiteral("令和 08年04月20日"));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**KYNUM11")), QStringLiteral("知事・一般   石狩 第        07415 号"));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**SNNM11")), QStringLiteral("丸山 翔太"));
    EXPECT_EQ(ledger.value(1, QStringLiteral("**CPNM1")), QStringLiteral("道央舗装株式会社"));
    EXPECT_EQ(ledger.value(1, QStringLiteral("**KYGY11")), QStringLiteral("舗装"));
    // Joint-venture slots stay blank on an ordinary project.
    EXPECT_FALSE(written("**KYGY30"));
    EXPECT_EQ(ledger.value(0, QStringLiteral("**KYGY30")), QString());
}

TEST_F(LedgerDocumentTest, JointVenturePrimeSpreadsItsPermitsOverTheSlotsOfTheirCount)
{
    const DocumentPages five = build(Kind::Ledger, {QStringLiteral("2")}, {}, QDate(2026, 6, 1), QStringLiteral("3"));
    ASSERT_EQ(five.count(), 1);
    const QStringList trades{QStringLiteral("土木工事業"), QStringLiteral("とび・土工工事業"),
                             QStringLiteral("舗装工事業"), QStringLiteral("鋼構造物工事業"),
                             QStringLiteral("水道施設工事業")};
    const QStringList places{QStringLiteral("30"), QStringLiteral("10"), QStringLiteral("40"), QStringLiteral("50"),
                             QStringLiteral("20")};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(five.value(0, QStringLiteral("**KYGY") + places[i]), trades[i]) << i;
    // The form lists the slots in the order they fill: the permits read in row order.
    for (int i = 1; i < 5; ++i)
        EXPECT_LT(five.markerCell(QStringLiteral("**KYGY") + places[i - 1]).y(),
                  five.markerCell(QStringLiteral("**KYGY") + places[i]).y());
    EXPECT_EQ(five.value(0, QStringLiteral("**KYNUM40")), QStringLiteral("知事・特定  特-5 第        10452 号"));
    EXPECT_FALSE(written("**KYGY60"));
    EXPECT_FALSE(written("**KYNUM60"));
    EXPECT_EQ(five.value(0, QStringLiteral("**KYGY60")), QString());
    EXPECT_TRUE(five.markersLeft(0).isEmpty()) << five.markersLeft(0).join(u' ').toStdString();

    // Rows 1, 3 and 4: the slots of three; a trade without a number keeps its number blank.
    execute(
        {QStringLiteral("Update GYOSYA set KYGY2 = null, KYGY5 = null, KYNUM3 = null where KJCD = 3 and GYOCD = 1")});
    const DocumentPages three = build(Kind::Ledger, {QStringLiteral("2")}, {}, QDate(2026, 6, 1), QStringLiteral("3"));
    EXPECT_EQ(three.value(0, QStringLiteral("**KYGY30")), trades[0]);
    EXPECT_EQ(three.value(0, QStringLiteral("**KYGY40")), trades[2]);
    EXPECT_EQ(three.value(0, QStringLiteral("**KYDT40")), QStringLiteral("令和 05年02月14日"));
    EXPECT_FALSE(written("**KYNUM40"));
    EXPECT_EQ(three.value(0, QStringLiteral("**KYGY50")), trades[3]);
    EXPECT_FALSE(written("**KYGY10"));
    EXPECT_FALSE(written("**KYGY60"));
}

TEST_F(LedgerDocumentTest, NoticeOfASecondTierContractorNamesTheContractorItWorksUnder)
{
    const DocumentPages notice = build(Kind::Notice, {QStringLiteral("6")}, QStringLiteral("4"));
    ASSERT_EQ(notice.count(), 1);
    EXPECT_EQ(notice.value(0, QStringLiteral("**PRDT")), QStringLiteral("令和 8年6月1日 作成"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**CPNM_M")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**CPNM_U")), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**GBNM_U")), QStringLiteral("丸山 翔太"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**CPNM0")), QStringLiteral("有限会社石狩重機"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**ADD0")), QStringLiteral("石狩市新港西2丁目775-3"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**KJNY")), QStringLiteral("掘削・積込運搬（重機土工）"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**KYGY10")), QStringLiteral("とび・土工"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**SNSK10")), QStringLiteral("2級土木施工管理技士"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**CPNM1")), QStringLiteral("株式会社北斗オペレーション"));
    EXPECT_EQ(notice.value(0, QStringLiteral("**GBNM1")), QStringLiteral("北斗 亮"));
    EXPECT_TRUE(notice.markersLeft(0).isEmpty()) << notice.markersLeft(0).join(u' ').toStdString();
}

TEST_F(LedgerDocumentTest, ContractorsArePrintedAsTheyWereOnTheCreationDate)
{
    const QStringList below2{QStringLiteral("4"), QStringLiteral("5")};
    // Renamed on 2026/10/01: the old name before, the new one after.
    EXPECT_EQ(build(Kind::Notice, below2, QStringLiteral("2")).value(1, QStringLiteral("**CPNM1")),
              QStringLiteral("千歳鉄筋工業所"));
    EXPECT_EQ(build(Kind::Notice, below2, QStringLiteral("2"), QDate(2026, 12, 1)).value(1, QStringLiteral("**CPNM1")),
              QStringLiteral("株式会社千歳鉄筋"));
    // Before every version: the newest one.
    EXPECT_EQ(build(Kind::Notice, below2, QStringLiteral("2"), QDate(2025, 1, 1)).value(1, QStringLiteral("**CPNM1")),
              QStringLiteral("株式会社千歳鉄筋"));
}

TEST_F(LedgerDocumentTest, MissingRowsLeaveTheirCellsAndTheDocumentIsStillMade)
{
    execute({QStringLiteral("Delete from GYOSYA where KJCD = 1 and GYOCD = 3")});
    const DocumentPages ledger = build(Kind::Ledger, {QStringLiteral("2"), QStringLiteral("3")});
    ASSERT_EQ(ledger.count(), 2);
    EXPECT_EQ(ledger.value(1, QStringLiteral("**CPNM0")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(ledger.value(1, QStringLiteral("**CPNM1")), QString());

    // Without a subcontractor there is no page to fill: nothing is written.
    build(Kind::Ledger, {});
    EXPECT_TRUE(document->WrittenMarkers().isEmpty());
}

TEST(LedgerCellsTest, PermitSlotsAndPagesFollowTheForms)
{
    EXPECT_EQ(LedgerCells::JointVentureSlots(1), QString("10,20").split(','));
    EXPECT_EQ(LedgerCells::JointVentureSlots(4), QString("30,40,50,60").split(','));
    EXPECT_EQ(LedgerCells::JointVentureSlots(6), QString("30,10,40,50,20,60").split(','));
    for (const Kind kind : {Kind::Ledger, Kind::Notice})
        EXPECT_EQ(LedgerDocument::RowsPerPage(kind),
                  sorvik::reports::TemplateManifest::sheet(LedgerDocument::TemplateFile(kind),
                                                           LedgerDocument::SheetName(kind))
                      ->pageRows);
}

}  // namespace
