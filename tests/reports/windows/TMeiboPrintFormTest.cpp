#include "DocumentRenderer.h"
#include "PrintFormFixture.h"
#include "TMeiboPrintForm.h"
#include "UiInput.h"
#include "bases/TPanel.h"
#include "controls/DBGrid.h"
#include "roster/CardBarcode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QListWidget>
#include <QTest>

using namespace sorvik::documents;

namespace {

// The roster print on the demo site's road project, opened as the main window opens it,
// with its documents recorded instead of shown.
class TMeiboPrintFormTest : public PrintFormFixture
{
protected:
    void open(const QString &gyoCode)
    {
        form = std::make_unique<TMeiboPrintForm>();
        form->Celvane1.setOutputHandler(output);
        form->KojiCode = QStringLiteral("1");
        form->GyoCode = gyoCode;
        ASSERT_TRUE(form->LoadContractorList());
        form->show();
    }

    QStringList gridColumn(int column)
    {
        QStringList values;
        for (int row = 0; row < form->DBGrid1->model()->rowCount(); ++row)
            values << form->DBGrid1->model()->index(row, column).data().toString();
        return values;
    }

    void clickCell(int row, int column, bool twice = false)
    {
        const QRect cell = form->DBGrid1->visualRect(form->DBGrid1->model()->index(row, column));
        if (twice)
            QTest::mouseDClick(form->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
        else
            QTest::mouseClick(form->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QStringList committedMarks(int gyoCode)
    {
        return committedColumn(
            QStringLiteral("Select coalesce(SEL, 0) from SAGYOIN where KJCD = 1 and GYOCD = %1 order by INCD")
                .arg(gyoCode));
    }

    std::unique_ptr<TMeiboPrintForm> form;
};

TEST_F(TMeiboPrintFormTest, OpensOnTheChosenContractorAndPrintsOnlyWhereThereAreWorkers)
{
    open(QStringLiteral("2"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("作業員名簿印刷"));
    EXPECT_EQ(form->TitlePanel->caption(), AppContext::Project().CurKojiName());
    EXPECT_EQ(form->ListBox1->currentItem()->text(), QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(form->dtPic->date(), QDate(2026, 6, 1));
    EXPECT_EQ(gridColumn(2), QString("丸山 翔太,菅原 勇気,三浦 真由美").split(','));
    EXPECT_TRUE(form->btnPrint->isEnabled());
    EXPECT_TRUE(form->btnPrevew->isEnabled());

    // The prime contractor has no workers of its own.
    QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {},
                      form->ListBox1->visualItemRect(form->ListBox1->item(0)).center());
    EXPECT_EQ(form->GyoCode, QStringLiteral("1"));
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(form->btnPrint->isEnabled());
    EXPECT_FALSE(form->btnPrevew->isEnabled());
}

// With SORVIK_SCREENSHOT_DIR set, keeps a picture of the window for a person to look at.
TEST_F(TMeiboPrintFormTest, ShowsItsPartsUnderTheirCaptions)
{
    open(QStringLiteral("6"));
    EXPECT_EQ(form->TitlePanel->height(), 41);
    EXPECT_EQ(form->JobPanel->height(), 41);
    EXPECT_EQ(form->btnPrint->text(), QStringLiteral("印刷(&P)"));
    EXPECT_EQ(form->btnPrevew->text(), QStringLiteral("ﾌﾟﾚﾋﾞｭｰ(&V)"));
    EXPECT_EQ(form->btnClose->text(), QStringLiteral("閉じる(&L)"));
    EXPECT_EQ(form->btnSelDate->text(), QStringLiteral("この日の勤務者を選択する"));
    EXPECT_EQ(form->chkCardType->text(), QStringLiteral("資格付き作業員票で印刷"));
    EXPECT_EQ(form->btnCalc->text(), QStringLiteral("作成日で年齢を再計算する"));
    EXPECT_EQ(form->cmbSort->currentText(), QStringLiteral("登録順"));
    EXPECT_EQ(form->dtPic->displayFormat(), QStringLiteral("yyyy/MM/dd"));
    QStringList titles;
    for (int column = 0; column < form->DBGrid1->model()->columnCount(); ++column)
        titles << form->DBGrid1->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QString("印刷,作業員CD,氏名,ふりがな,入場年月日,年齢").split(','));
    EXPECT_EQ(form->DBGrid1->columnWidth(0), 34);
    if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(form->grab().save(folder + QStringLiteral("/roster-print.png")));
    }
}

TEST_F(TMeiboPrintFormTest, AContractorOutsideTheTreeOpensOnTheFirstEntry)
{
    open(QStringLiteral("8"));
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
    EXPECT_EQ(form->GyoCode, QStringLiteral("1"));
}

TEST_F(TMeiboPrintFormTest, MarksAreSetByClickAndButtonAndCommittedAtOnce)
{
    open(QStringLiteral("2"));
    clickCell(1, 0);
    EXPECT_EQ(committedMarks(2), QString("1,0,1").split(','));
    clickCell(2, 2);  // a name, not the print column
    EXPECT_EQ(committedMarks(2), QString("1,0,1").split(','));
    ClickButton(form.get(), "btnClear");
    EXPECT_EQ(committedMarks(2), QString("0,0,0").split(','));
    ClickButton(form.get(), "btnAll");
    EXPECT_EQ(committedMarks(2), QString("1,1,1").split(','));
    EXPECT_EQ(committedMarks(3), QString("1,1").split(','));
}

TEST_F(TMeiboPrintFormTest, TheDaysWorkersAreChosenAcrossTheProject)
{
    execute({QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 3, '2026/06/02', 2)")});
    open(QStringLiteral("2"));
    form->dtPic->setDate(QDate(2026, 6, 2));
    ClickButton(form.get(), "btnSelDate");
    EXPECT_EQ(committedMarks(2), QString("0,0,0").split(','));
    EXPECT_EQ(committedMarks(3), QString("0,1").split(','));
}

TEST_F(TMeiboPrintFormTest, DisplayOrderAndAgesOnTheCreationDate)
{
    execute({QStringLiteral("Update SAGYOIN set ODRNO = 4 - INCD, OLD = 0 where KJCD = 1 and GYOCD = 2")});
    open(QStringLiteral("2"));
    form->cmbSort->setCurrentIndex(1);
    emit form->cmbSort->activated(1);
    EXPECT_EQ(gridColumn(2), QString("三浦 真由美,菅原 勇気,丸山 翔太").split(','));
    form->dtPic->setDate(QDate(2030, 6, 1));
    ClickButton(form.get(), "btnCalc");
    EXPECT_EQ(committedColumn(QStringLiteral("Select OLD from SAGYOIN where KJCD = 1 and GYOCD = 2 order by INCD")),
              QString("48,34,41").split(','));
}

// Both buttons end the document built afresh, the preview on the screen's work area.
void PreviewAndPrint(TMeiboPrintForm &form, RecordingOutput &output, int pages)
{
    ClickButton(&form, "btnPrevew");
    ClickButton(&form, "btnPrint");
    ASSERT_EQ(output.endings.size(), 2u);
    EXPECT_TRUE(output.endings[0].preview);
    EXPECT_EQ(output.endings[0].area.size(), form.screen()->availableGeometry().size());
    EXPECT_FALSE(output.endings[1].preview);
    const celvane::DocumentRenderer previewed(output.endings[0].document);
    const celvane::DocumentRenderer printed(output.endings[1].document);
    ASSERT_EQ(previewed.pageCount(), pages);
    ASSERT_EQ(printed.pageCount(), pages);
    for (int page = 0; page < pages; ++page)
        EXPECT_EQ(previewed.pageImage(page, 20), printed.pageImage(page, 20)) << "page " << page;
}

TEST_F(TMeiboPrintFormTest, PreviewAndPrintMakeTheSameRoster)
{
    open(QStringLiteral("6"));
    PreviewAndPrint(*form, *output, 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(TMeiboPrintFormTest, PreviewAndPrintMakeTheSameCards)
{
    open(QStringLiteral("6"));
    form->chkCardType->setChecked(true);
    PreviewAndPrint(*form, *output, 3);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(TMeiboPrintFormTest, WithoutTheBarcodeLibraryCardsPrintWithoutBarcodes)
{
    open(QStringLiteral("2"));
    form->BarcodeLibrary = dir.filePath(QStringLiteral("missing/libstrilux.so"));
    form->chkCardType->setChecked(true);
    ClickButton(form.get(), "btnPrint");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(CardBarcode::WithoutBarcodes));
    EXPECT_TRUE(messages.texts().first().contains(form->BarcodeLibrary));
    ASSERT_EQ(output->endings.size(), 1u);
    for (const celvane::DrawingObject &object : output->endings[0].document.sheets.at(0).drawings)
        EXPECT_NE(object.image->extension, QStringLiteral("emf"));
}

TEST_F(TMeiboPrintFormTest, ADocumentThatFailsSaysWhyAndTheWindowStays)
{
    QFile::remove(appDir() + QStringLiteral("rpt"));
    open(QStringLiteral("2"));
    ClickButton(form.get(), "btnPrint");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("sagyoinmeibo")))
        << messages.texts().first().toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(output->endings.empty());
}

TEST_F(TMeiboPrintFormTest, ADoubleClickOpensTheWorkerInTheRosterEditor)
{
    QStringList opened;
    form = nullptr;
    open(QStringLiteral("2"));
    EXPECT_TRUE(form->DBGrid1->toolTip().isEmpty());
    clickCell(2, 2, true);  // nothing to open yet

    form->OpenWorkerEditor = [&](const QString &koji, const QString &gyo, const QString &worker) {
        opened << koji + u'/' + gyo + u'/' + worker;
        execute({QStringLiteral(
            "Update SAGYOIN set NAME = '三浦 真由美（旧姓）' where KJCD = 1 and GYOCD = 2 and INCD = 3")});
    };
    form->hide();
    form->show();
    EXPECT_EQ(form->DBGrid1->toolTip(), QStringLiteral("ダブルクリックで名簿登録画面に移動します"));
    clickCell(2, 2, true);
    EXPECT_EQ(opened, QStringList{QStringLiteral("1/2/3")});
    EXPECT_EQ(gridColumn(2).last(), QStringLiteral("三浦 真由美（旧姓）"));
}

}  // namespace
