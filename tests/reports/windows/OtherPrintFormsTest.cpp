#include "CheckedDatePicker.h"
#include "PrintWindows.h"
#include "PrintFormFixture.h"
#include "TKikaiListForm.h"
#include "TLicencePrintForm.h"
#include "TNissiPrintForm.h"
#include "TSonotaPrintForm.h"
#include "TTenkenPrintForm.h"
#include "controls/DBGrid.h"
#include "tree/ConstructionSystem.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

namespace {

// The smaller report windows on the demo site's road project, their documents recorded.
class OtherPrintFormsTest : public PrintFormFixture
{
protected:
    template<class Window> void prepare(Window &window)
    {
        window.Celvane1.setOutputHandler(output);
        window.KojiCode = QStringLiteral("1");
    }
    QString printedSheet() const { return output->endings.back().document.sheets.at(0).name; }
    // With SORVIK_SCREENSHOT_DIR set, keeps a picture of the window for a person to look at.
    static void keepPicture(QWidget &window, const char *name)
    {
        if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
            EXPECT_TRUE(window.grab().save(folder + u'/' + QLatin1String(name) + QStringLiteral(".png")));
        }
    }
};

TEST_F(OtherPrintFormsTest, TheSafetySheetsPrintTheActivePage)
{
    TNissiPrintForm window;
    prepare(window);
    window.show();
    keepPicture(window, "nissi-print");
    EXPECT_EQ(window.dtPic2->date(), QDate(2026, 6, 1));
    window.PageControl1->setCurrentIndex(1);
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_EQ(printedSheet(), QStringLiteral("安全ミーティング"));
    window.PageControl1->setCurrentIndex(2);
    QTest::mouseClick(window.btnPrint, Qt::LeftButton);
    ASSERT_EQ(output->endings.size(), 2u);
    EXPECT_FALSE(output->endings.back().preview);
    EXPECT_EQ(printedSheet(), QStringLiteral("教育実施"));
}

TEST_F(OtherPrintFormsTest, InspectionSheetsNeedAChosenSheetAndTakeAPickedMachine)
{
    TTenkenPrintForm window;
    prepare(window);
    window.SetPage(2);
    window.show();
    EXPECT_EQ(window.PageControl1->currentIndex(), 1);
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{TTenkenPrintForm::NoSheet});
    EXPECT_TRUE(output->endings.empty());

    modal.then([&](QDialog &dialog) {
        auto *picker = qobject_cast<TKikaiListForm *>(&dialog);
        EXPECT_NE(picker, nullptr);
        if (!picker)
            return int(QDialog::Rejected);
        dialog.show();
        keepPicture(dialog, "kikai-list");
        EXPECT_FALSE(picker->btnPrint->isVisible());
        EXPECT_TRUE(picker->btnOK->isVisible());
        picker->txtName->setText(QStringLiteral("バック"));
        QTest::mouseClick(picker->BitBtn1, Qt::LeftButton);
        EXPECT_EQ(picker->DBGrid1->model()->rowCount(), 1);
        QTest::mouseClick(picker->btnOK, Qt::LeftButton);
        return dialog.result();
    });
    QTest::mouseClick(window.btnKKNM, Qt::LeftButton);
    EXPECT_EQ(window.txtKikaiNM->text(), QStringLiteral("バックホウ"));
    EXPECT_EQ(window.txtJNO->text(), QStringLiteral("重1"));

    window.grpCCItems->button(1)->click();
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_EQ(printedSheet(), QStringLiteral("機械始業前"));
}

TEST_F(OtherPrintFormsTest, AMachineSearchWithoutMatchSaysSoAndAPickerCancelReturnsNothing)
{
    TKikaiListForm picker;
    prepare(picker);
    picker.SetMode(TKikaiListForm::PickerMode);
    picker.show();
    EXPECT_EQ(picker.cmbCMP1NM->count(), 3);  // none, and the two machines' company
    picker.txtName->setText(QStringLiteral("クレーン'"));
    QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{TKikaiListForm::NothingFound});
    QTest::mouseClick(picker.btnOK, Qt::LeftButton);
    EXPECT_TRUE(picker.PickedName.isEmpty());
    QTest::mouseClick(picker.btnCansel, Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
}

TEST_F(OtherPrintFormsTest, QualificationListsPrintTheChosenContractorOrQualification)
{
    TLicencePrintForm window;
    prepare(window);
    window.GyoCode = QStringLiteral("6");
    ASSERT_TRUE(window.LoadContractorList());
    window.show();
    keepPicture(window, "licence-print");
    EXPECT_EQ(window.ListBox1->currentItem()->text(), QStringLiteral("株式会社北斗オペレーション"));
    EXPECT_GT(window.ListBox2->count(), 0);
    EXPECT_EQ(window.ListBox2->currentRow(), 0);
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    EXPECT_EQ(printedSheet(), QStringLiteral("取得資格一覧"));

    QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {},
                      window.ListBox1->visualItemRect(window.ListBox1->item(0)).center());
    EXPECT_NE(window.GyoCode, QStringLiteral("6"));
    window.PageControl1->setCurrentIndex(1);
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    EXPECT_EQ(printedSheet(), QStringLiteral("資格者氏名一覧"));
}

TEST_F(OtherPrintFormsTest, TheNoticeOfConstructionWorkPrintsAtOnce)
{
    TSonotaPrintForm window;
    prepare(window);
    window.show();
    keepPicture(window, "sonota-print");
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_EQ(printedSheet(), QStringLiteral("工事の通知"));
}

}  // namespace

namespace {

TEST_F(OtherPrintFormsTest, QualificationListsWithoutTheirContractorTakeTheFirstEntryForReal)
{
    TLicencePrintForm window;
    prepare(window);
    window.GyoCode = QStringLiteral("99");
    ASSERT_TRUE(window.LoadContractorList());
    window.show();
    EXPECT_EQ(window.ListBox1->currentRow(), 0);
    EXPECT_EQ(window.GyoCode, QStringLiteral("2"));
    QTest::mouseClick(window.btnPrevew, Qt::LeftButton);
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace
