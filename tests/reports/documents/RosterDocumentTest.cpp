#include "DocumentFixture.h"
#include "TemplateManifest.h"
#include "config/IniFile.h"
#include "roster/RosterDocument.h"

using namespace sorvik::documents;

namespace {

class RosterDocumentTest : public DocumentFixture
{
protected:
    DocumentPages build(const RosterChoices &choices)
    {
        document = std::make_unique<RosterDocument>(data, settings, choices);
        document->Build(engine);
        return pages(RosterDocument::TemplateFile, RosterDocument::SheetName, -1);
    }

    std::unique_ptr<RosterDocument> document;
};

TEST_F(RosterDocumentTest, ElevenWorkersFillTwoPagesWithTheHeaderOnEach)
{
    addWorkers(2, 4, 8);
    const DocumentPages roster = build(choices(2, 1, QStringLiteral("株式会社丸山土木")));
    ASSERT_EQ(roster.count(), 2);
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(roster.value(page, QStringLiteral("**MKYMD")), QStringLiteral("（　令和　8年　6月　1日　作成　）"));
        EXPECT_EQ(roster.value(page, QStringLiteral("**JIGYONM")), QStringLiteral("札幌支店"));
        EXPECT_EQ(roster.value(page, QStringLiteral("**SHOTYONM")), QStringLiteral("高橋 誠　殿"));
        EXPECT_EQ(roster.value(page, QStringLiteral("**CMPNM")), QStringLiteral("株式会社丸山土木"));
        EXPECT_EQ(roster.value(page, QStringLiteral("**UNUM")), QStringLiteral("(1 次)"));
        // Unwritten markers print blank: the first tier's own name, the empty rows.
        EXPECT_EQ(roster.value(page, QStringLiteral("**1UCPMNM")), QString());
        EXPECT_TRUE(roster.markersLeft(page).isEmpty()) << roster.markersLeft(page).join(u' ').toStdString();
    }
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(roster.value(0, QStringLiteral("**NUM"), 0, 2 * row), QString::number(row + 1));
    EXPECT_EQ(roster.value(1, QStringLiteral("**NUM")), QStringLiteral("11"));
    EXPECT_EQ(roster.value(1, QStringLiteral("**NAME")), QStringLiteral("作業員8"));
    EXPECT_EQ(roster.value(1, QStringLiteral("**NUM"), 0, 2), QString());
    EXPECT_EQ(roster.value(1, QStringLiteral("**NAME"), 0, 2), QString());

    // The first worker of the demo site, row by row as the form reads.
    EXPECT_EQ(roster.value(0, QStringLiteral("**NAME")), QStringLiteral("丸山 翔太"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**FURI")), QStringLiteral("まるやま しょうた"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**SHOKUSHU")), QStringLiteral("土工"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**KOME")), QStringLiteral("現,主"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**KOYMD")), QStringLiteral("平 16年4月1日"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**KEINEN")), QStringLiteral("22"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**BNDT")), QStringLiteral("昭 57年4月18日"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**ADD")), QStringLiteral("札幌市南区真駒内上町3丁目2-8 (090-3412-5581)"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**PRS")), QStringLiteral("128～78"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**BRTYP")), QStringLiteral("A +"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**GNLN")), QStringLiteral("車両系,地山主"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**INDT")), QStringLiteral("令 8年5月7日"));
    // A worker with neither phone nor blood pressure.
    EXPECT_EQ(roster.value(0, QStringLiteral("**ADD"), 0, 6), QString());
    EXPECT_EQ(roster.value(0, QStringLiteral("**PRS"), 0, 6), QString());
}

TEST_F(RosterDocumentTest, TierDecidesTheTierTextAndTheFirstTierName)
{
    addWorkers(1, 1, 1);
    DocumentPages prime = build(choices(1, 0, QStringLiteral("北辰建設株式会社")));
    EXPECT_EQ(prime.value(0, QStringLiteral("**UNUM")), QStringLiteral("(元請)"));
    EXPECT_FALSE(document->WrittenMarkers().contains(QStringLiteral("**1UCPMNM")));

    DocumentPages first = build(choices(2, 1, QStringLiteral("株式会社丸山土木")));
    EXPECT_EQ(first.value(0, QStringLiteral("**UNUM")), QStringLiteral("(1 次)"));
    EXPECT_FALSE(document->WrittenMarkers().contains(QStringLiteral("**1UCPMNM")));

    DocumentPages third = build(choices(6, 3, QStringLiteral("株式会社北斗オペレーション")));
    EXPECT_EQ(third.value(0, QStringLiteral("**UNUM")), QStringLiteral("(3 次)"));
    EXPECT_EQ(third.value(0, QStringLiteral("**1UCPMNM")), QStringLiteral("株式会社丸山土木"));
}

TEST_F(RosterDocumentTest, WithoutAMarkedWorkerNothingIsWritten)
{
    execute({QStringLiteral("Update SAGYOIN set SEL = 0 where KJCD = 1 and GYOCD = 2"),
             QStringLiteral("Update SAGYOIN set SEL = null where KJCD = 1 and GYOCD = 2 and INCD = 3")});
    build(choices(2, 1, QStringLiteral("株式会社丸山土木")));
    EXPECT_TRUE(document->WrittenMarkers().isEmpty());
}

TEST_F(RosterDocumentTest, DisplayOrderPrintsByOrderNumber)
{
    execute({QStringLiteral("Update SAGYOIN set ODRNO = 4 - INCD where KJCD = 1 and GYOCD = 2")});
    RosterChoices display = choices(2, 1, QStringLiteral("株式会社丸山土木"));
    display.order = RosterOrder::Display;
    const DocumentPages roster = build(display);
    EXPECT_EQ(roster.value(0, QStringLiteral("**NAME")), QStringLiteral("三浦 真由美"));
    EXPECT_EQ(roster.value(0, QStringLiteral("**NAME"), 0, 4), QStringLiteral("丸山 翔太"));
}

TEST_F(RosterDocumentTest, WritesEveryMarkerOfItsManifestAndNoOther)
{
    ini->writeString(QStringLiteral("data"), QStringLiteral("remark1"),
                     QStringLiteral("※新規入場者教育は入場日に実施"));
    settings = PrintSettings::read(appDir(), ini);
    settings.templateFolder = qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt/");
    const DocumentPages roster = build(choices(6, 3, QStringLiteral("株式会社北斗オペレーション")));
    const auto *sheet
        = sorvik::reports::TemplateManifest::sheet(RosterDocument::TemplateFile, RosterDocument::SheetName);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(document->WrittenMarkers(), QSet<QString>(sheet->markers.begin(), sheet->markers.end()));
    EXPECT_EQ(roster.value(0, QStringLiteral("**REM1")), QStringLiteral("※新規入場者教育は入場日に実施"));
}

}  // namespace
