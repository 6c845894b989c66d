#include "DocumentFixture.h"
#include "DrawingObject.h"
#include "TemplateManifest.h"
#include "ledger/RegionalLedgerDocument.h"

using namespace sorvik::documents;
using Layout = RegionalLedgerDocument::Layout;

namespace {

// The regional layouts of the demo site's road project.
class RegionalLedgerDocumentTest : public DocumentFixture
{
protected:
    DocumentPages build(Layout layout, const QStringList &subcontractors, const QString &reporting = {})
    {
        LedgerChoices choices;
        choices.kojiCode = QStringLiteral("1");
        choices.date = QDate(2026, 6, 1);
        choices.subcontractors = subcontractors;
        choices.reportingCode = reporting;
        RegionalLedgerDocument document(data, settings, choices, layout);
        document.Build(engine);
        return pages(RegionalLedgerDocument::TemplateFile, RegionalLedgerDocument::SheetName(layout),
                     RegionalLedgerDocument::RowsPerPage(layout));
    }

    const QStringList directOfPrime{QStringLiteral("2"), QStringLiteral("3")};
};

TEST_F(RegionalLedgerDocumentTest, PrimeLayoutsAreOnePageWhateverTheSubcontractors)
{
    const DocumentPages form1 = build(Layout::Form1, directOfPrime);
    EXPECT_EQ(form1.count(), 1);
    EXPECT_EQ(form1.value(0, QStringLiteral("**PRDT")), QStringLiteral("令和 8年6月1日 作成"));
    EXPECT_EQ(form1.value(0, QStringLiteral("**MTNM")), QStringLiteral("北辰建設株式会社 札幌支店"));
    EXPECT_EQ(form1.value(0, QStringLiteral("**GBNM0")), QStringLiteral("高橋 誠"));
    EXPECT_TRUE(form1.markersLeft(0).isEmpty()) << form1.markersLeft(0).join(u' ').toStdString();

    const DocumentPages ledger1 = build(Layout::Ledger1, directOfPrime);
    EXPECT_EQ(ledger1.count(), 1);
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**ODNM")), QStringLiteral("国土交通省 北海道開発局 札幌開発建設部"));
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**GBNM0")), QStringLiteral("高橋 誠"));
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**KSNM20")), QStringLiteral("監理"));
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**SNNM20")), QStringLiteral("中川 博"));
    // The employment date as stored.
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**SNKYDT20")), QStringLiteral("1992/04/01"));
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**GJSI10")), QStringLiteral("1級舗装施工管理技術者"));
    EXPECT_EQ(ledger1.value(0, QStringLiteral("**KYGY20")), QStringLiteral("舗装"));
    EXPECT_TRUE(ledger1.markersLeft(0).isEmpty()) << ledger1.markersLeft(0).join(u' ').toStdString();
}

TEST_F(RegionalLedgerDocumentTest, SubcontractorLayoutsGiveEachAPage)
{
    const DocumentPages form2 = build(Layout::Form2, directOfPrime);
    ASSERT_EQ(form2.count(), 2);
    EXPECT_EQ(form2.value(1, QStringLiteral("**KJNM")), QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
    EXPECT_EQ(form2.value(1, QStringLiteral("**CPNM1")), QStringLiteral("道央舗装株式会社"));
    EXPECT_EQ(form2.value(1, QStringLiteral("**ADD1")), QStringLiteral("札幌市西区発寒13条4丁目12-5"));
    EXPECT_EQ(form2.value(1, QStringLiteral("**PSNM1")), QStringLiteral("代表取締役 西田 正樹 "));

    const DocumentPages ledger2 = build(Layout::Ledger2, directOfPrime);
    ASSERT_EQ(ledger2.count(), 2);
    EXPECT_EQ(ledger2.value(0, QStringLiteral("**CPNM1")), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(ledger2.value(0, QStringLiteral("**SGDT1")), QStringLiteral("令和 08年03月26日"));
    EXPECT_EQ(ledger2.value(1, QStringLiteral("**KYNUM11")), QStringLiteral("知事・特定   石狩 第        05522 号"));
    for (int page = 0; page < 2; ++page)
        EXPECT_TRUE(ledger2.markersLeft(page).isEmpty()) << ledger2.markersLeft(page).join(u' ').toStdString();
}

TEST_F(RegionalLedgerDocumentTest, ThirdLedgerSheetRingsTheTierOfEachSubcontractor)
{
    const QPoint mark = build(Layout::Ledger3, directOfPrime).markerCell(QStringLiteral("**UNUM"));
    const auto ringAt = [](const DocumentPages &pages, int page) {
        const auto shapes = pages.shapes(page);
        EXPECT_EQ(shapes.size(), 1u);
        EXPECT_EQ(shapes.empty() ? celvane::DrawingObject::Geometry::None : shapes.front()->geometry,
                  celvane::DrawingObject::Geometry::Ellipse);
        return shapes.empty() ? -1 : shapes.front()->from.column + 1;
    };

    const DocumentPages first = build(Layout::Ledger3, directOfPrime);
    ASSERT_EQ(first.count(), 2);
    EXPECT_EQ(first.value(0, QStringLiteral("**UNUM")), QStringLiteral("一次・二次以下"));
    EXPECT_EQ(ringAt(first, 0), mark.x());
    EXPECT_EQ(ringAt(first, 1), mark.x());
    EXPECT_EQ(first.value(0, QStringLiteral("**ODCMPNM")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(first.value(0, QStringLiteral("**SALSUM")), QStringLiteral("86400"));
    EXPECT_EQ(first.value(0, QStringLiteral("**KJNY")), QStringLiteral("現場作業に係る施工一式"));
    EXPECT_EQ(first.value(0, QStringLiteral("**CMPLPN")), QStringLiteral("90"));
    EXPECT_EQ(first.value(0, QStringLiteral("**KTKDT")), QStringLiteral("平成 20年04月01日"));
    EXPECT_EQ(first.value(1, QStringLiteral("**LANK2")), QStringLiteral("A"));
    EXPECT_TRUE(first.markersLeft(0).isEmpty()) << first.markersLeft(0).join(u' ').toStdString();

    // The notice of contractor 4: its own subcontractor 6 is on the third tier.
    const DocumentPages third = build(Layout::Ledger3, {QStringLiteral("6")}, QStringLiteral("4"));
    ASSERT_EQ(third.count(), 1);
    EXPECT_EQ(ringAt(third, 0), mark.x() + 1);
    EXPECT_EQ(third.value(0, QStringLiteral("**ODCMPNM")), QStringLiteral("有限会社石狩重機"));
}

TEST(RegionalLayoutTest, SheetsAndPagesFollowTheTemplate)
{
    for (int tag = 0; tag < RegionalLedgerDocument::LayoutCount; ++tag) {
        const auto layout = Layout(tag);
        const auto *sheet = sorvik::reports::TemplateManifest::sheet(RegionalLedgerDocument::TemplateFile,
                                                                     RegionalLedgerDocument::SheetName(layout));
        ASSERT_NE(sheet, nullptr) << tag;
        EXPECT_EQ(sheet->pageRows, RegionalLedgerDocument::RowsPerPage(layout));
    }
}

}  // namespace
