#include "PrintFormFixture.h"
#include "TDaityoPrintForm.h"
#include "UiInput.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace sorvik::documents;

namespace {

// The ledger print on the demo site's road project (prime 1; 2 and 3 below it; 4 and 5
// below 2; 6 below 4), opened as the main window opens it, its documents recorded.
class TDaityoPrintFormTest : public PrintFormFixture
{
protected:
    void open(int mode)
    {
        form = std::make_unique<TDaityoPrintForm>();
        form->Celvane1.setOutputHandler(output);
        form->KojiCode = QStringLiteral("1");
        form->SetMode(mode);
        form->show();
    }

    // Chooses an entry as the user does with the keyboard: the first, then down.
    void choose(QComboBox *list, int entry)
    {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < entry; ++step)
            QTest::keyClick(list, Qt::Key_Down);
    }

    // A click on the box or the radio button itself, as the user ticks it.
    void tick(QAbstractButton *box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

    bool printable() const
    {
        EXPECT_EQ(form->btnPrint->isEnabled(), form->btnPrevew->isEnabled());
        return form->btnPrint->isEnabled();
    }

    QStringList entries(QComboBox *list) const
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->itemText(i);
        return names;
    }

    // Whether the last recorded document holds the text in some cell.
    bool printed(const QString &text) const
    {
        if (output->endings.empty())
            return false;
        for (const auto &[number, row] : output->endings.back().document.sheets[0].rows)
            for (const auto &[column, cell] : row.cells)
                if (cell.text == text)
                    return true;
        return false;
    }

    std::unique_ptr<TDaityoPrintForm> form;
};

TEST_F(TDaityoPrintFormTest, LedgerListsThePrimesSubcontractorsAndPrintsOnlyWhatIsChosen)
{
    open(1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("施工体制台帳印刷画面"));
    EXPECT_EQ(form->PrDT->date(), QDate(2026, 6, 1));
    EXPECT_EQ(form->PrDT->displayFormat(), QStringLiteral("yyyy/MM/dd"));
    EXPECT_FALSE(form->cmbCMP->isVisible());
    EXPECT_FALSE(form->lblCMP->isVisible());
    EXPECT_EQ(entries(form->cmbUke), QString("株式会社丸山土木,道央舗装株式会社").split(','));
    EXPECT_FALSE(printable());

    choose(form->cmbUke, 1);
    EXPECT_EQ(form->cmbUke->currentIndex(), 1);
    EXPECT_TRUE(printable());
    ClickButton(form.get(), "btnPrevew");
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_TRUE(output->endings[0].preview);
    EXPECT_TRUE(printed(QStringLiteral("道央舗装株式会社")));
    EXPECT_FALSE(printed(QStringLiteral("株式会社丸山土木")));

    tick(form->chkListAll);
    EXPECT_FALSE(form->cmbUke->isEnabled());
    EXPECT_TRUE(printable());
    ClickButton(form.get(), "btnPrint");
    ASSERT_EQ(output->endings.size(), 2u);
    EXPECT_FALSE(output->endings[1].preview);
    EXPECT_TRUE(printed(QStringLiteral("道央舗装株式会社")));
    EXPECT_TRUE(printed(QStringLiteral("株式会社丸山土木")));
}

TEST_F(TDaityoPrintFormTest, NoticeRefillsItsSubcontractorsAndTheButtonsFollowEveryRefill)
{
    open(2);
    EXPECT_TRUE(form->cmbCMP->isVisible());
    EXPECT_EQ(entries(form->cmbCMP).size(), 6);
    EXPECT_EQ(form->cmbCMP->currentIndex(), -1);
    EXPECT_EQ(form->cmbUke->count(), 0);
    // All ticked with nothing to print is still nothing to print.
    tick(form->chkListAll);
    EXPECT_FALSE(printable());

    choose(form->cmbCMP, 0);  // 株式会社丸山土木: 4 and 5 below it
    EXPECT_EQ(entries(form->cmbUke), QString("有限会社石狩重機,千歳鉄筋工業所").split(','));
    EXPECT_TRUE(printable());
    // Contractor 6 has no one below it: the buttons go off with the refill.
    choose(form->cmbCMP, 4);
    EXPECT_EQ(form->cmbCMP->currentText(), QStringLiteral("株式会社北斗オペレーション"));
    EXPECT_EQ(form->cmbUke->count(), 0);
    EXPECT_FALSE(printable());

    choose(form->cmbCMP, 2);  // 有限会社石狩重機 (4), with 6 below it
    ClickButton(form.get(), "btnPrint");
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_EQ(output->endings[0].document.sheets[0].name, QStringLiteral("再下請負通知書"));
    EXPECT_TRUE(printed(QStringLiteral("株式会社北斗オペレーション")));
    EXPECT_TRUE(printed(QStringLiteral("株式会社丸山土木")));  // the contractor 4 works under
}

TEST_F(TDaityoPrintFormTest, RegionalFormsWaitForALayoutAndOfferThePrimesOnlyInTheLedger)
{
    open(2);
    EXPECT_TRUE(form->chkPrnLocal->isVisible());
    EXPECT_FALSE(form->grpLocalLyout->isVisible());
    EXPECT_FALSE(form->rbLyouts[0]->isEnabled());
    EXPECT_FALSE(form->rbLyouts[1]->isEnabled());
    EXPECT_TRUE(form->rbLyouts[4]->isEnabled());
    choose(form->cmbCMP, 0);
    tick(form->chkListAll);
    EXPECT_TRUE(printable());
    tick(form->chkPrnLocal);
    EXPECT_TRUE(form->grpLocalLyout->isVisible());
    EXPECT_FALSE(printable());
    tick(form->rbLyouts[4]);
    EXPECT_TRUE(printable());
    ClickButton(form.get(), "btnPrint");
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_EQ(output->endings[0].document.sheets[0].name, QStringLiteral("施工体制台帳３"));
    EXPECT_TRUE(printed(QStringLiteral("一次・二次以下")));

    tick(form->chkPrnLocal);
    EXPECT_FALSE(form->grpLocalLyout->isVisible());
    ClickButton(form.get(), "btnPrint");
    ASSERT_EQ(output->endings.size(), 2u);
    EXPECT_EQ(output->endings[1].document.sheets[0].name, QStringLiteral("再下請負通知書"));

    open(1);
    EXPECT_TRUE(form->rbLyouts[0]->isEnabled());
    EXPECT_TRUE(form->rbLyouts[1]->isEnabled());
}

TEST_F(TDaityoPrintFormTest, RegionalFormsAreOfferedOnlyWhenARegionIsSet)
{
    ASSERT_EQ(AppContext::instance().IniFile, ini);
    ASSERT_TRUE(Config::write(*ini, Config::Local, QString()));
    open(1);
    EXPECT_FALSE(form->chkPrnLocal->isVisible());
}

// With SORVIK_SCREENSHOT_DIR set, keeps a picture of the window for a person to look at.
TEST_F(TDaityoPrintFormTest, ShowsItsPartsUnderTheirCaptions)
{
    open(2);
    choose(form->cmbCMP, 0);
    tick(form->chkPrnLocal);
    EXPECT_EQ(form->chkListAll->text(), QStringLiteral("全ての直下の下請けを印刷"));
    EXPECT_EQ(form->chkPrnLocal->text(), QStringLiteral("地域版指定書式で印刷"));
    EXPECT_EQ(form->grpLocalLyout->title(), QStringLiteral("書式"));
    QStringList layouts;
    for (QRadioButton *button : form->rbLyouts)
        layouts << button->text();
    EXPECT_EQ(layouts,
              QString("別記第１号様式,施工体制台帳１,別記第２号様式,施工体制台帳２,施工体制台帳３").split(','));
    if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(form->grab().save(folder + QStringLiteral("/ledger-print.png")));
    }
}

}  // namespace
