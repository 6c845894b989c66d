#include "DocumentFixture.h"
#include "chart/ChartConnector.h"
#include "chart/EngineerChartDocument.h"
#include "data/ImageStore.h"
#include "program/DataModule1.h"

#include <QImage>
#include <QTemporaryDir>

using namespace sorvik::documents;
using celvane::LineStyle;

namespace {

const QString kCompany = QStringLiteral("**CPNM");

// The demo site's road project and its two saved charts (four rows a page), printed on
// three rows of blocks a page.
class EngineerChartDocumentTest : public DocumentFixture
{
protected:
    DocumentPages build(const QString &chartDate, bool linkLines = true)
    {
        document = std::make_unique<EngineerChartDocument>(
            data, settings, config,
            EngineerChartChoices{QStringLiteral("1"), chartDate, QDate(2026, 12, 1), linkLines});
        document->Build(engine);
        return pages(QStringLiteral("gijutsutaikei.xls"), EngineerChartDocument::SheetName, 58);
    }

    // A box of a version of our own: contractor, parent, tier and stored page, row, column.
    static QString box(const QString &date, int gyoCode, int parent, int tier, int page, int row, int column)
    {
        return QStringLiteral("Insert into TAIKEI (KJCD, APDT, GYOCD, HTYCD, UNUM, CPNM, LOCPG, LOCROW, LOCCOL, YOBIN1)"
                              " values (1, '%1', %2, %3, %4, '保存名%2', %5, %6, %7, 0)")
            .arg(date)
            .arg(gyoCode)
            .arg(parent)
            .arg(tier)
            .arg(page)
            .arg(row)
            .arg(column);
    }

    static bool thin(const celvane::BorderLine &line) { return line.style == LineStyle::Thin; }

    ChartPrintConfig config;
    std::unique_ptr<EngineerChartDocument> document;
};

TEST_F(EngineerChartDocumentTest, TheAutumnChartPrintsEachBoxWithItsParticularsFrameAndLine)
{
    const DocumentPages chart = build(QStringLiteral("2026/10/01"));
    ASSERT_EQ(chart.count(), 1);
    EXPECT_EQ(chart.value(0, QStringLiteral("**PRDT")), QStringLiteral("令和 8年12月1日 作成"));
    EXPECT_EQ(chart.value(0, QStringLiteral("**KJNM0")), QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
    EXPECT_EQ(chart.value(0, QStringLiteral("**CPNM0")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(chart.value(0, QStringLiteral("**KRNM0"), -4), QStringLiteral("主任技術者"));
    EXPECT_FALSE(chart.value(0, QStringLiteral("**KRNM0")).isEmpty());
    EXPECT_TRUE(chart.markersLeft(0).isEmpty()) << chart.markersLeft(0).join(u' ').toStdString();

    // 株式会社丸山土木 in column 1, row 1; 株式会社千歳鉄筋 in column 2, row 2.
    EXPECT_EQ(chart.value(0, kCompany), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(chart.value(0, kCompany, 10, 18), QStringLiteral("株式会社千歳鉄筋"));
    EXPECT_FALSE(chart.value(0, QStringLiteral("**SNNM")).isEmpty());
    // 非専任 is ringed.
    EXPECT_EQ(chart.shapes(0, QStringLiteral("**SNDT"), -4, 1, 8).size(), 1u);

    // A red box with the double frame: the thin outline is replaced by the double line.
    const celvane::Border redCorner = chart.border(0, kCompany, -4, 0);
    EXPECT_EQ(redCorner.top.style, LineStyle::Double);
    EXPECT_EQ(redCorner.top.color.index, 10);
    EXPECT_EQ(redCorner.left.style, LineStyle::Double);
    EXPECT_EQ(chart.border(0, kCompany, 3, 14).bottom.style, LineStyle::Double);
    // A yellow box with the medium frame.
    EXPECT_EQ(chart.border(0, kCompany, 6, 0).top.style, LineStyle::Medium);
    EXPECT_EQ(chart.border(0, kCompany, 6, 0).top.color.index, 13);

    // 道央舗装株式会社, column 1 row 3, under the prime contractor: out of the prime's box
    // at its middle row, down beside it, down column 1's left gap to the box's middle row.
    EXPECT_TRUE(thin(chart.border(0, kCompany, -6, 7).top));
    for (int row = 7; row <= 15; ++row)
        EXPECT_TRUE(thin(chart.border(0, kCompany, -6, row).right)) << row;
    for (int row = 16; row <= 42; ++row)
        EXPECT_TRUE(thin(chart.border(0, kCompany, -5, row).left)) << row;
    EXPECT_TRUE(thin(chart.border(0, kCompany, -5, 43).top));
    EXPECT_FALSE(thin(chart.border(0, kCompany, -5, 44).left));
}

TEST_F(EngineerChartDocumentTest, WithoutLinesOnlyTheBoxesAreDrawn)
{
    const DocumentPages chart = build(QStringLiteral("2026/10/01"), false);
    EXPECT_EQ(chart.border(0, kCompany, -6, 7).top.style, LineStyle::None);
    EXPECT_EQ(chart.border(0, kCompany, -5, 20).left.style, LineStyle::None);
    EXPECT_EQ(chart.border(0, kCompany, -4, 0).top.style, LineStyle::Double);
}

TEST_F(EngineerChartDocumentTest, PagesBeforeTheBoxesKeepTheirHeadAndALaterChildIsReachedFromAbove)
{
    const QString date = QStringLiteral("2026/11/01");
    execute({box(date, 1, 0, 0, 1, 1, 0), box(date, 2, 1, 1, 1, 1, 1),
             // Stored page 3, row 1: the ninth row, print page 3, row 3.
             box(date, 4, 2, 2, 3, 1, 3), box(date, 99, 2, 2, 3, 1, 1),
             QStringLiteral("Update GYOSYA set SNNM1 = '' where KJCD = 1 and GYOCD = 4")});
    config.slash = true;
    const DocumentPages chart = build(date);
    ASSERT_EQ(chart.count(), 3);
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(chart.value(page, QStringLiteral("**CPNM0")), QStringLiteral("北辰建設株式会社")) << page;
    EXPECT_EQ(chart.value(1, kCompany), QString());
    EXPECT_EQ(chart.border(1, kCompany, -4, 0).top.style, LineStyle::None);

    // A contractor without particulars shows the name saved with the chart alone.
    EXPECT_EQ(chart.value(2, kCompany, 0, 36), QStringLiteral("保存名99"));
    EXPECT_EQ(chart.value(2, QStringLiteral("**SNNM"), 0, 36), QString());
    // An empty engineer's name is struck through in the box's colour (none: automatic).
    EXPECT_EQ(chart.value(2, QStringLiteral("**SNNM"), 20, 36), QString());
    const celvane::Border struck = chart.border(2, QStringLiteral("**SNNM"), 20, 36);
    EXPECT_EQ(struck.diagonal.style, LineStyle::Hair);
    EXPECT_EQ(struck.diagonal.color.index, 8);

    // 有限会社石狩重機 on page 3 under 株式会社丸山土木 on page 1: across above the page's
    // blocks and down beside the child.
    for (int column = 5; column <= 14; ++column)
        EXPECT_TRUE(thin(chart.border(2, kCompany, column, -2).top)) << column;
    EXPECT_TRUE(thin(chart.border(2, kCompany, 15, 0).left));
    EXPECT_TRUE(thin(chart.border(2, kCompany, 15, 42).left));
    EXPECT_TRUE(thin(chart.border(2, kCompany, 15, 43).top));
}

TEST_F(EngineerChartDocumentTest, EveryKindOfConnectorIsDrawnEdgeByEdge)
{
    struct Child
    {
        int code, parent, page, row, column;
        ConnectorCase expected;
    };
    // Stored on four rows a page; code 9 has no particulars.
    const QList<Child> children{{2, 1, 1, 1, 1, ConnectorCase::G}, {4, 2, 1, 1, 3, ConnectorCase::F},
                                {5, 2, 1, 2, 1, ConnectorCase::C}, {6, 2, 1, 3, 2, ConnectorCase::E},
                                {3, 6, 1, 2, 3, ConnectorCase::D}, {7, 2, 2, 1, 1, ConnectorCase::A},
                                {9, 7, 1, 3, 4, ConnectorCase::B}};
    const QString date = QStringLiteral("2026/11/02");
    QStringList rows{box(date, 1, 0, 0, 1, 1, 0)};
    for (const Child &child : children)
        rows << box(date, child.code, child.parent, 1, child.page, child.row, child.column);
    execute(rows);
    const DocumentPages chart = build(date);
    ASSERT_EQ(chart.count(), 2);

    const ChartPrintGrid grid(4, 3);
    const auto placeOf = [&](int code) {
        for (const Child &child : children)
            if (child.code == code)
                return grid.Place({child.page, child.row, child.column});
        return PrintPlace{grid.Place({1, 1, 0}).Page, 1, 0};
    };
    for (const Child &child : children) {
        SCOPED_TRACE(child.code);
        const PrintPlace place = placeOf(child.code);
        PrintPlace parent = placeOf(child.parent);
        if (child.parent == 1)
            parent.Page = place.Page;
        const ChartConnector connector(place, parent, 3);
        EXPECT_EQ(connector.Case(), child.expected);
        ASSERT_FALSE(connector.Edges().isEmpty());
        for (const ConnectorEdge &edge : connector.Edges()) {
            const celvane::Border border = chart.border(place.Page - 1, kCompany, edge.x, edge.y);
            const celvane::BorderLine &line = edge.side == ConnectorEdge::Side::Top ? border.top
                : edge.side == ConnectorEdge::Side::Left                            ? border.left
                                                                                    : border.right;
            EXPECT_TRUE(thin(line)) << int(edge.side) << " (" << edge.x << ", " << edge.y << ")";
        }
    }
}

TEST_F(EngineerChartDocumentTest, APrimeContractorAloneLeavesTheTemplateUnwritten)
{
    execute({box(QStringLiteral("2026/11/01"), 1, 0, 0, 1, 1, 0)});
    build(QStringLiteral("2026/11/01"));
    EXPECT_TRUE(document->WrittenMarkers().isEmpty());
}

TEST_F(EngineerChartDocumentTest, ACertificateIsFittedIntoItsBox)
{
    QTemporaryDir folder;
    QImage portrait(300, 400, QImage::Format_RGB32);
    portrait.fill(Qt::darkCyan);
    ASSERT_TRUE(portrait.save(folder.filePath(QStringLiteral("cert.jpg")), "JPG"));
    const QString stored
        = ImageStore(data.IBTransaction1).StoreImageFile(1, folder.filePath(QStringLiteral("cert.jpg")));
    execute(
        {QStringLiteral("Update GYOSYA set SDFILE1 = '%1', SNSE1 = '専任' where KJCD = 1 and GYOCD = 2").arg(stored)});

    const DocumentPages chart = build(QStringLiteral("2026/10/01"));
    const auto pictures = chart.pictures(0, QStringLiteral("**SDFILE"), 1, 1);
    ASSERT_EQ(pictures.size(), 1u);
    // 32 high, 25 wide at the engine's 1 mm.
    EXPECT_GT(pictures.front()->height, pictures.front()->width);
    EXPECT_EQ(chart.shapes(0, QStringLiteral("**SNDT"), -4, 1, 8).size(), 1u);
}

}  // namespace
