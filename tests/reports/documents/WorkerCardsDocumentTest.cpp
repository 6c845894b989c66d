#include "BarcodeReader.h"
#include "DocumentFixture.h"
#include "DocumentRenderer.h"
#include <QPainter>
#include "TemplateManifest.h"
#include "barcode/StriluxControl.h"
#include "barcode/StriluxLibrary.h"
#include "framework/StoredPicture.h"
#include "roster/WorkerCardsDocument.h"

using namespace sorvik::documents;

namespace {

class WorkerCardsDocumentTest : public DocumentFixture
{
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        QString problem;
        control = StriluxLibrary::createControl(StriluxLibrary::defaultPath(), problem);
        ASSERT_TRUE(control) << problem.toStdString();
    }

    DocumentPages build(const RosterChoices &choices, StriluxControl *barcode)
    {
        document = std::make_unique<WorkerCardsDocument>(data, settings, choices, barcode);
        document->Build(engine);
        return pages(WorkerCardsDocument::TemplateFile, WorkerCardsDocument::SheetName,
                     WorkerCardsDocument::PageLastRow);
    }

    // Only this worker of contractor 2 stays marked.
    void markOnly(int workerCode)
    {
        execute(
            {QStringLiteral("Update SAGYOIN set SEL = 0 where KJCD = 1 and GYOCD = 2 and INCD <> %1").arg(workerCode)});
    }

    std::unique_ptr<StriluxControl> control;
    std::unique_ptr<WorkerCardsDocument> document;
};

TEST_F(WorkerCardsDocumentTest, TwentyThreeQualificationsRunOverThreePages)
{
    markOnly(2);
    QStringList statements;
    for (int n = 1; n <= 23; ++n)
        statements << QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM, SKNO, SKDT)"
                                     " values (0, 1, 2, 2, 3, '特別教育%1', '第 %2 号', '2020/04/%2')")
                          .arg(n, 2, 10, QLatin1Char('0'))
                          .arg(n, 2, 10, QLatin1Char('0'));
    execute(statements);
    execute({QStringLiteral(
        "Delete from INSIKAKU where KJCD = 1 and GYOCD = 2 and INCD = 2 and SKNM not like '特別教育%'")});

    const DocumentPages cards = build(choices(2, 1, QStringLiteral("株式会社丸山土木")), control.get());
    ASSERT_EQ(cards.count(), 3);
    EXPECT_EQ(cards.pictures(0, QStringLiteral("**BACD")).size(), 1u);
    EXPECT_EQ(cards.pictures(0, QStringLiteral("**PHOTO")).size(), 1u);
    EXPECT_EQ(cards.value(0, QStringLiteral("**NAME")), QStringLiteral("菅原 勇気"));
    EXPECT_EQ(cards.value(0, QStringLiteral("**CMPTEL")), QStringLiteral("011-581-2211"));
    for (int page = 1; page < 3; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(cards.value(page, QStringLiteral("**BACD")), QStringLiteral("（ %1 ページ目）").arg(page + 1));
        EXPECT_EQ(cards.value(page, QStringLiteral("**CMPNM")), QStringLiteral("株式会社丸山土木"));
        EXPECT_EQ(cards.value(page, QStringLiteral("**NAME")), QStringLiteral("菅原 勇気"));
        EXPECT_TRUE(cards.pictures(page, QStringLiteral("**BACD")).empty());
        EXPECT_TRUE(cards.pictures(page, QStringLiteral("**PHOTO")).empty());
        EXPECT_EQ(cards.value(page, QStringLiteral("**FURI")), QString());
        EXPECT_TRUE(cards.markersLeft(page).isEmpty()) << cards.markersLeft(page).join(u' ').toStdString();
    }
    // Blocks two across and five down, ten to a page.
    for (int block = 0; block < 10; ++block)
        EXPECT_EQ(cards.value(0, QStringLiteral("**SKNM"), 7 * (block % 2), 17 * (block / 2)),
                  QStringLiteral("特別教育%1").arg(block + 1, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(cards.value(2, QStringLiteral("**SKNM"), 7, 0), QStringLiteral("特別教育22"));
    EXPECT_EQ(cards.value(2, QStringLiteral("**SKDT"), 0, 17), QStringLiteral("令 2年4月23日"));
    EXPECT_EQ(cards.value(2, QStringLiteral("**SKNM"), 7, 17), QString());
}

TEST_F(WorkerCardsDocumentTest, BarcodeReadsAsContractorAndWorker)
{
    markOnly(1);
    build(choices(2, 1, QStringLiteral("株式会社丸山土木")), control.get());
    // The head of the card, where the barcode is, as a 200 dpi print of it.
    constexpr double dpi = 200;
    const celvane::DocumentRenderer renderer(engine.finishedDocument());
    QImage head(int(renderer.page(0).paper.width() * dpi / 72), int(60 / 25.4 * dpi), QImage::Format_RGB32);
    head.setDotsPerMeterX(int(dpi / 0.0254));
    head.setDotsPerMeterY(int(dpi / 0.0254));
    head.fill(Qt::white);
    QPainter painter(&head);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(dpi / 72, dpi / 72);
    renderer.paintPage(painter, 0);
    painter.end();
    EXPECT_EQ(ReadCode39(head), QStringLiteral("$002-001%"));
}

TEST_F(WorkerCardsDocumentTest, MissingOrBrokenPicturesPrintNoPrinting)
{
    markOnly(1);
    execute({QStringLiteral("Update SAGYOIN set SDFL = 'KAO99999.JPG' where KJCD = 1 and GYOCD = 2 and INCD = 1"),
             QStringLiteral("Update IMGFL set IMG = 'not a picture' where FLNM = (Select min(YOBIS2) from INSIKAKU"
                            " where KJCD = 1 and GYOCD = 2 and INCD = 1)")});
    const DocumentPages cards = build(choices(2, 1, QStringLiteral("株式会社丸山土木")), control.get());
    EXPECT_EQ(cards.value(0, QStringLiteral("**PHOTO")), StoredPicture::NotPrinted);
    EXPECT_TRUE(cards.pictures(0, QStringLiteral("**PHOTO")).empty());
    int broken = 0;
    for (int block = 0; block < 3; ++block)
        broken
            += cards.value(0, QStringLiteral("**GAZ"), 7 * (block % 2), 17 * (block / 2)) == StoredPicture::NotPrinted;
    EXPECT_EQ(broken, 1);
    EXPECT_EQ(cards.value(0, QStringLiteral("**NAME")), QStringLiteral("丸山 翔太"));
}

TEST_F(WorkerCardsDocumentTest, WithoutTheControlCardsHaveNoBarcode)
{
    markOnly(1);
    const DocumentPages cards = build(choices(2, 1, QStringLiteral("株式会社丸山土木")), nullptr);
    EXPECT_TRUE(cards.pictures(0, QStringLiteral("**BACD")).empty());
    EXPECT_EQ(cards.pictures(0, QStringLiteral("**PHOTO")).size(), 1u);
}

TEST_F(WorkerCardsDocumentTest, AUnifiedNumberTheControlRefusesShowsItsMessage)
{
    markOnly(1);
    settings.useBarcode = true;
    execute({QStringLiteral("Update SAGYOIN set BARCDNO = '#1234' where KJCD = 1 and GYOCD = 2 and INCD = 1")});
    const DocumentPages cards = build(choices(2, 1, QStringLiteral("株式会社丸山土木")), control.get());
    EXPECT_TRUE(cards.pictures(0, QStringLiteral("**BACD")).empty());
    EXPECT_EQ(cards.value(0, QStringLiteral("**BACD")), QStringLiteral("バーコードメッセージの設定に失敗しました。"));
}

TEST_F(WorkerCardsDocumentTest, WritesEveryMarkerOfItsManifestAndNoOther)
{
    const DocumentPages cards = build(choices(6, 3, QStringLiteral("株式会社北斗オペレーション")), control.get());
    const auto *sheet
        = sorvik::reports::TemplateManifest::sheet(WorkerCardsDocument::TemplateFile, WorkerCardsDocument::SheetName);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(document->WrittenMarkers(), QSet<QString>(sheet->markers.begin(), sheet->markers.end()));
    // Two workers, the second with twelve qualifications: three pages.
    EXPECT_EQ(cards.count(), 3);
    EXPECT_EQ(cards.pictures(2, QStringLiteral("**GAZ"), 7, 0).size(), 1u);
}

}  // namespace
