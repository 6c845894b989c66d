#include "ChartEditorFixture.h"
#include "ChartMessages.h"
#include "TLayout.h"
#include "bases/TPanel.h"
#include "dates/DateText.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>

namespace {

using TTaikeizuFormTest = ChartEditorFixture;

QString today()
{
    return DateToDateText(QDate::currentDate());
}

TEST_F(TTaikeizuFormTest, OpensOnTheNewestVersionAndMovesBetweenVersions)
{
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("施工体系図"));
    EXPECT_EQ(form->lblID->text(), QStringLiteral("適用日付"));
    EXPECT_EQ(form->TitlePanel->caption(), QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
    // One whole page shows.
    EXPECT_EQ(form->ScrollBox1->viewport()->width(), 130 * 5);
    EXPECT_GE(form->ScrollBox1->viewport()->height(), 130 * 4);
    EXPECT_EQ(form->edtAPDT->text(), QStringLiteral("2026/10/01"));
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
    EXPECT_TRUE(form->btnNew->isEnabled() && form->btnDel->isEnabled() && form->btnPrev->isEnabled());
    EXPECT_FALSE(form->btnPost->isEnabled() || form->btnCancel->isEnabled() || form->btnNext->isEnabled());
    EXPECT_EQ(cell("3"), QPoint(1, 2));
    EXPECT_EQ(cell("1"), QPoint(0, 0));
    EXPECT_EQ(box("5")->Box().CompanyName, QStringLiteral("株式会社千歳鉄筋"));
    EXPECT_EQ(box("2")->Color(), ChartColor(0xFF0000));
    EXPECT_EQ(box("1")->Color(), ChartColor::ButtonFace());
    EXPECT_EQ(box("2")->ParentItem(), box("1"));
    // With SORVIK_SCREENSHOT_DIR set, keeps a picture of the chart for a person to look at.
    if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(form->grab().save(folder + QStringLiteral("/taikeizu.png")));
    }

    form->btnPrev->click();
    EXPECT_EQ(form->edtAPDT->text(), QStringLiteral("2026/04/01"));
    EXPECT_EQ(form->ChartDate(), QStringLiteral("2026/04/01"));
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
    EXPECT_FALSE(form->btnPrev->isEnabled());
    EXPECT_TRUE(form->btnNext->isEnabled());
    // Stored on page 2, row 1 with four rows a page.
    EXPECT_EQ(cell("3"), QPoint(1, 4));
    EXPECT_EQ(cell("7"), QPoint(2, 4));
    EXPECT_EQ(box("5")->Box().CompanyName, QStringLiteral("千歳鉄筋工業所"));
}

TEST_F(TTaikeizuFormTest, WithoutAVersionTheConstructionSystemIsShownAndCanBeSaved)
{
    execute({QStringLiteral("Delete from TAIKEI where KJCD = 1")});
    open();
    EXPECT_EQ(form->EditState(), ChartEditState::New);
    EXPECT_TRUE(form->IsNew());
    EXPECT_TRUE(form->btnPost->isEnabled());
    EXPECT_FALSE(form->btnPrev->isEnabled() || form->btnNext->isEnabled() || form->btnDel->isEnabled());
    EXPECT_EQ(form->edtAPDT->text(), QStringLiteral("2026/04/01"));
    EXPECT_EQ(codes(), QString("1,2,4,6,5,3,7").split(','));
    EXPECT_EQ(cell("6"), QPoint(3, 0));
    EXPECT_EQ(cell("5"), QPoint(2, 1));
    EXPECT_EQ(cell("3"), QPoint(1, 1));
    EXPECT_EQ(cell("7"), QPoint(2, 2));

    form->btnPost->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(
        committedRows(QStringLiteral("2026/04/01")),
        QString("1:0:0:1/1/0,2:1:1:1/1/1,3:1:1:1/2/1,4:2:2:1/1/2,5:2:2:1/2/2,6:4:3:1/1/3,7:3:2:1/3/2").split(','));
    EXPECT_EQ(committedColumn(QStringLiteral("Select distinct CRDT||'|'||EDDT from TAIKEI where KJCD = 1")),
              QStringList{today() + QLatin1Char('|') + today()});
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
    EXPECT_EQ(form->Versions().Dates(), QStringList{QStringLiteral("2026/04/01")});
    EXPECT_TRUE(form->btnDel->isEnabled());

    // The only version stays.
    form->btnDel->click();
    EXPECT_EQ(messages.texts(), QStringList{ChartMessages::LastVersion});
    EXPECT_EQ(committedRows(QStringLiteral("2026/04/01")).size(), 7);
}

TEST_F(TTaikeizuFormTest, SavingRefusesTheDateOfAnotherVersionAndMalformedDates)
{
    open();
    typeDate(QStringLiteral("2026/04/01"));
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);
    form->btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{ChartMessages::DateTaken});
    EXPECT_EQ(QApplication::focusWidget(), form->edtAPDT);
    EXPECT_EQ(committedRows(QStringLiteral("2026/10/01")).size(), 7);

    // Leaving the field with a malformed date brings the focus back to it.
    messages.clear();
    typeDate(QStringLiteral("2026/4/1"));
    key(Qt::Key_Tab);
    EXPECT_EQ(messages.texts(), QStringList{ChartMessages::InvalidDate});
    EXPECT_EQ(QApplication::focusWidget(), form->edtAPDT);

    // A date that never left the field is checked by the save as well.
    messages.clear();
    typeDate(QStringLiteral("2026/02/30"));
    form->btnPost->click();
    EXPECT_EQ(messages.texts().last(), ChartMessages::InvalidDate);
    EXPECT_EQ(committedColumn(QStringLiteral("Select count(*) from TAIKEI where APDT = '2026/02/30'")),
              QStringList{QStringLiteral("0")});
}

TEST_F(TTaikeizuFormTest, SavingUnderAChangedDateMovesTheVersion)
{
    open();
    typeDate(QStringLiteral("2026/11/01"));
    form->btnPost->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(form->Versions().Dates(), QStringList({QStringLiteral("2026/04/01"), QStringLiteral("2026/11/01")}));
    EXPECT_EQ(form->ChartDate(), QStringLiteral("2026/11/01"));
    EXPECT_TRUE(committedRows(QStringLiteral("2026/10/01")).isEmpty());
    EXPECT_EQ(committedRows(QStringLiteral("2026/11/01")).size(), 7);
    EXPECT_EQ(committedColumn(QStringLiteral("Select distinct CRDT from TAIKEI where APDT = '2026/11/01'")),
              QStringList{QStringLiteral("2026/10/01")});
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
}

TEST_F(TTaikeizuFormTest, ADeletedVersionStaysDeletedWhenALaterSaveFails)
{
    open();
    messages.answer(true);
    form->btnDel->click();
    EXPECT_EQ(messages.texts(), QStringList{ChartMessages::ConfirmDelete});
    EXPECT_TRUE(committedRows(QStringLiteral("2026/10/01")).isEmpty());
    EXPECT_EQ(form->ChartDate(), QStringLiteral("2026/04/01"));
    EXPECT_EQ(form->Versions().Dates(), QStringList{QStringLiteral("2026/04/01")});

    // A contractor charted twice: the database refuses the save.
    messages.clear();
    services.contractors << ContractorChoice{QStringLiteral("1"), QStringLiteral("2"),
                                             QStringLiteral("株式会社丸山土木")};
    choose(QStringLiteral("3"), form->mnuInsert);
    form->btnPost->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("PRIMARY"), Qt::CaseInsensitive)
                || messages.texts().first().contains(QStringLiteral("UNIQUE"), Qt::CaseInsensitive))
        << messages.texts().first().toStdString();
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);
    EXPECT_EQ(column(QStringLiteral("Select count(*) from TAIKEI where APDT = '2026/10/01'")), QStringList{"0"});
    EXPECT_EQ(column(QStringLiteral("Select count(*) from TAIKEI where APDT = '2026/04/01'")), QStringList{"7"});
    EXPECT_EQ(form->Versions().Dates(), QStringList{QStringLiteral("2026/04/01")});
}

TEST_F(TTaikeizuFormTest, AChartWithoutThePrimeContractorIsNeverSaved)
{
    open();
    choose(QStringLiteral("1"), form->mnuDelete);
    EXPECT_TRUE(codes().isEmpty());
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);
    form->btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{ChartMessages::NoPrime});
    EXPECT_EQ(committedRows(QStringLiteral("2026/10/01")).size(), 7);
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);

    form->btnCancel->click();
    EXPECT_EQ(codes().size(), 7);
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
}

TEST_F(TTaikeizuFormTest, CancelWithoutAVersionRebuildsWithTheNewestParticulars)
{
    execute({QStringLiteral("Delete from TAIKEI where KJCD = 1")});
    open();
    choose(QStringLiteral("2"), form->mnuDelete);
    EXPECT_EQ(codes(), QString("1,3,7").split(','));
    form->btnCancel->click();
    EXPECT_EQ(codes().size(), 7);
    EXPECT_EQ(form->edtAPDT->text(), today());
    EXPECT_TRUE(form->ChartDate().isEmpty());
    EXPECT_EQ(form->EditState(), ChartEditState::New);
    EXPECT_EQ(box("5")->Box().CompanyName, QStringLiteral("株式会社千歳鉄筋"));
}

TEST_F(TTaikeizuFormTest, ANewChartFromAttendanceLeavesOutContractorsWhoseParentWasAbsent)
{
    QStringList attended;
    for (const char *code : {"3", "7", "4", "6"})
        attended << QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, %1, '2026/07/01', 1)")
                        .arg(QLatin1String(code));
    execute(attended);
    open();
    form->edtWKDT->setDate(QDate(2026, 7, 1));
    form->btnNew->click();
    EXPECT_EQ(codes(), QString("1,3,7").split(','));
    EXPECT_EQ(form->edtAPDT->text(), QStringLiteral("2026/07/01"));
    EXPECT_TRUE(form->ChartDate().isEmpty());
    EXPECT_EQ(form->EditState(), ChartEditState::New);
    form->btnPost->click();
    EXPECT_EQ(committedRows(QStringLiteral("2026/07/01")), QString("1:0:0:1/1/0,3:1:1:1/1/1,7:3:2:1/1/2").split(','));
    EXPECT_EQ(form->Versions().Count(), 3);
}

TEST_F(TTaikeizuFormTest, ABuildThatFindsNoPrimeContractorChangesNothing)
{
    execute({QStringLiteral("Delete from TAISEI where KJCD = 1 and HTYCD = 0")});
    open();
    form->btnNew->click();
    EXPECT_EQ(form->ChartDate(), QStringLiteral("2026/10/01"));
    EXPECT_EQ(form->edtAPDT->text(), QStringLiteral("2026/10/01"));
    EXPECT_EQ(codes().size(), 7);
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
}

TEST_F(TTaikeizuFormTest, RowsStoredWithLargerPagesLandInFreeCellsOfAGrownGrid)
{
    // Saved while a page had six rows; the configuration now has four.
    QStringList rows;
    const char *boxes[][6] = {{"1", "0", "0", "1", "1", "0"},
                              {"2", "1", "1", "1", "1", "1"},
                              {"3", "1", "1", "1", "5", "1"},
                              {"4", "2", "2", "2", "1", "1"},
                              {"5", "2", "2", "3", "6", "2"}};
    for (const auto &b : boxes)
        rows << QStringLiteral("Insert into TAIKEI (KJCD, APDT, GYOCD, HTYCD, UNUM, LOCPG, LOCROW, LOCCOL)"
                               " values (1, '2026/12/01', %1, %2, %3, %4, %5, %6)")
                    .arg(b[0], b[1], b[2], b[3], b[4], b[5]);
    execute(rows);
    open();
    ASSERT_EQ(form->ChartDate(), QStringLiteral("2026/12/01"));
    EXPECT_EQ(cell("4"), QPoint(1, 4));
    // Page 1, row 5 is row 4 as well, which contractor 4 took first.
    EXPECT_EQ(cell("3"), QPoint(1, 5));
    EXPECT_EQ(cell("5"), QPoint(2, 13));
    EXPECT_EQ(form->Layout1->RowCount(), 16);
    EXPECT_EQ(form->Layout1->BitmapHeight(), 16 * 130);
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
}

}  // namespace
