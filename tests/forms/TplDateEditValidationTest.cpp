#include "data/Abort.h"
#include "dateedit/DateControl.h"
#include "DateEditFixture.h"
#include "dates/DateEntryRules.h"

using namespace DateEntryRules;

using TplDateEditValidationTest = DateEditFixture;

TEST_F(TplDateEditValidationTest, TheFirstDayOfTheEraCalendarIsTheLowerLimit)
{
    enter("西暦", "1873", "1", "1");
    EXPECT_EQ(edit->GetDateText(), "1873/01/01");
    EXPECT_EQ(shown(), "明治 6 1 1");

    enter("西暦", "1872", "12", "31");
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(warnings.texts(), QStringList{MsgBeforeMinimum});
    EXPECT_EQ(warnings.captions(), QStringList{"日付入力"});
    EXPECT_EQ(edit->ErrorBits(), BeforeMinimum);
    EXPECT_EQ(QApplication::focusWidget(), era());

    // An era year that falls before the limit is refused the same way.
    enter("明治", "5", "12", "31");
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(warnings.texts().last(), MsgBeforeMinimum);
}

TEST_F(TplDateEditValidationTest, HeiseiOneHundredIsBeyondTheEraLimitOnlyWithEras)
{
    enter("平成", "99", "12", "31");
    EXPECT_EQ(edit->GetDateText(), "2087/12/31");
    EXPECT_EQ(shown(), "令和 69 12 31");

    enter("平成", "100", "1", "1");
    EXPECT_THROW(edit->GetDateText(), EAbort);
    EXPECT_EQ(warnings.texts(), QStringList{MsgBeyondEraLimit});
    EXPECT_EQ(edit->ErrorBits(), BeyondEraLimit);

    // The same limit holds for a Western year typed with the eras on.
    enter("西暦", "2088", "1", "1");
    EXPECT_THROW(edit->GetDateText(), EAbort);

    edit->setGengo(false);
    enter("平成", "100", "1", "1");
    EXPECT_EQ(edit->GetDateText(), "2088/01/01");
    EXPECT_EQ(shown(), "西暦 2088 1 1");
    EXPECT_EQ(warnings.texts().size(), 2);
}

TEST_F(TplDateEditValidationTest, DayThatDoesNotExistIsRefused)
{
    enter("西暦", "2009", "2", "29");
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(warnings.texts(), QStringList{MsgInvalidDate});
    EXPECT_EQ(edit->ErrorBits(), InvalidDate);

    enter("平成", "0", "1", "1");  // there is no year 0 of an era, but 1988 exists
    EXPECT_EQ(edit->GetDateText(), "1988/01/01");
    enter("西暦", "0", "1", "1");
    EXPECT_THROW(edit->GetDate(), EAbort);
}

TEST_F(TplDateEditValidationTest, BlankFieldsAreNamedInTheErrorBits)
{
    enter("令和", "8", "", "9");
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(warnings.texts(), QStringList{MsgSomeBlank});
    EXPECT_EQ(edit->ErrorBits(), MonthBlank);

    year()->clear();
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(edit->ErrorBits(), YearBlank | MonthBlank);
    EXPECT_FALSE(edit->IsBlank());
}

TEST_F(TplDateEditValidationTest, BlankControlIsBlankWithoutAnyMessage)
{
    EXPECT_TRUE(edit->IsBlank());
    EXPECT_EQ(GetDateControl(*edit), "");
    EXPECT_TRUE(warnings.texts().isEmpty());

    // With an era chosen (the usual look of an empty control) reading gives no date.
    EXPECT_EQ(edit->GetDate(), NoDate);
    EXPECT_EQ(edit->GetDateText(), "");
    EXPECT_TRUE(warnings.texts().isEmpty());

    // With nothing at all, only CanEmpty lets it pass.
    era()->setFocus();
    QTest::keyClick(era(), Qt::Key_Delete);
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(warnings.texts(), QStringList{MsgAllBlank});
    EXPECT_EQ(edit->ErrorBits(), AllBlank);
    edit->setCanEmpty(true);
    EXPECT_EQ(edit->GetDate(), NoDate);
    EXPECT_EQ(warnings.texts().size(), 1);
}

TEST_F(TplDateEditValidationTest, YearMonthStyleStoresTheFirstDay)
{
    edit->setEditStyle(desYearMonth);
    chooseEra("令和");
    typeInto(year(), "8");
    typeInto(month(), "12");
    EXPECT_EQ(edit->GetDateText(), "2026/12/01");
    EXPECT_EQ(day()->text(), "");

    edit->setEditStyle(desYear);
    EXPECT_EQ(edit->GetDateText(), "2026/01/01");
}

TEST_F(TplDateEditValidationTest, WesternDateIsShownBackInItsEra)
{
    enter("西暦", "2026", "12", "9");
    EXPECT_EQ(edit->GetDateText(), "2026/12/09");
    EXPECT_EQ(shown(), "令和 8 12 9");

    enter("西暦", "1989", "1", "7");
    EXPECT_EQ(edit->GetDateText(), "1989/01/07");
    EXPECT_EQ(shown(), "昭和 64 1 7");
}

TEST_F(TplDateEditValidationTest, ReiwaIsTheEraOfAnEmptyControl)
{
    EXPECT_EQ(era()->currentText(), "令和");
    typeInto(year(), "8");
    typeInto(month(), "12");
    typeInto(day(), "9");
    EXPECT_EQ(GetDateControl(*edit), "2026/12/09");

    SetDateControl(*edit, "2026/12/09");
    EXPECT_EQ(shown(), "令和 8 12 9");
    EXPECT_EQ(GetDateControl(*edit), "2026/12/09");
}

TEST_F(TplDateEditValidationTest, FailedReadingAbandonsThePostSilently)
{
    enter("西暦", "2009", "2", "30");
    QString written = "untouched";
    auto post = [&] { written = GetDateControl(*edit); };
    EXPECT_THROW(post(), EAbort);
    EXPECT_EQ(written, "untouched");
    EXPECT_EQ(warnings.texts().size(), 1);

    // Without DisplayError the post still stops, but nothing is shown.
    edit->setDisplayError(false);
    EXPECT_THROW(post(), EAbort);
    EXPECT_EQ(warnings.texts().size(), 1);
}

TEST_F(TplDateEditValidationTest, WithoutTheEraListYearsAreWestern)
{
    SetDateControl(*edit, "2026/12/09");
    edit->setEditGengo(false);
    EXPECT_FALSE(edit->Gengo());
    EXPECT_TRUE(era()->isHidden());
    EXPECT_EQ(year()->text(), "2026");
    EXPECT_EQ(edit->GetDateText(), "2026/12/09");

    edit->Clear();
    typeInto(year(), "8");
    typeInto(month(), "1");
    typeInto(day(), "1");
    EXPECT_THROW(edit->GetDate(), EAbort);
    EXPECT_EQ(warnings.texts(), QStringList{MsgBeforeMinimum});
    EXPECT_EQ(QApplication::focusWidget(), year());
}

TEST_F(TplDateEditValidationTest, LeavingTheControlChecksOnlyWithExitCheck)
{
    enter("西暦", "2009", "2", "29");
    after->setFocus();
    EXPECT_TRUE(warnings.texts().isEmpty());

    edit->setExitCheck(true);
    day()->setFocus();
    QTest::keyClick(day(), Qt::Key_Tab);  // to the era
    QTest::keyClick(era(), Qt::Key_Tab);  // out of the control
    EXPECT_EQ(warnings.texts(), QStringList{MsgInvalidDate});
    EXPECT_EQ(QApplication::focusWidget(), era());
}

TEST_F(TplDateEditValidationTest, DatesPutInByTheProgram)
{
    edit->SetDate(QDate(2009, 4, 1));
    EXPECT_EQ(shown(), "平成 21 4 1");

    // A stored text that is no date must not leave the previous record's date on show.
    SetDateControl(*edit, "2009/02/30");
    EXPECT_EQ(warnings.texts(), QStringList{MsgInvalidDateSet});
    EXPECT_EQ(edit->ErrorBits(), InvalidDateSet);
    EXPECT_TRUE(edit->IsBlank());

    edit->SetDate(QDate(1850, 1, 1));
    EXPECT_EQ(warnings.texts().size(), 2);
    EXPECT_TRUE(edit->IsBlank());

    edit->SetDate(NoDate);
    EXPECT_EQ(warnings.texts().size(), 2);
    EXPECT_TRUE(edit->IsBlank());

    // While a form restores its controls dates are neither taken nor validated.
    edit->setLoading(true);
    edit->SetDate(QDate(2026, 12, 9));
    EXPECT_TRUE(edit->IsBlank());
    typeInto(year(), "99999");
    EXPECT_EQ(edit->GetDateText(), "");
    EXPECT_EQ(edit->GetDate(), NoDate);
    EXPECT_EQ(warnings.texts().size(), 2);
}
