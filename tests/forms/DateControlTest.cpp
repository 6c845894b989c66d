#include "program/AppContext.h"
#include "ScriptedMessageService.h"
#include "UiInput.h"
#include "dateedit/CheckedDateEdit.h"
#include "dateedit/DateControl.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(DateControlTest, UncheckedMeansNoDate)
{
    ScriptedMessageService warnings;
    AppContext::instance().WorkDate = QDate(2026, 12, 9);
    CheckedDateEdit picker;
    QSignalSpy changes(&picker, &CheckedDateEdit::changed);

    SetDateControl(picker, "2009/04/01");
    EXPECT_TRUE(picker.isChecked());
    EXPECT_TRUE(picker.dateEdit()->isEnabled());
    EXPECT_EQ(GetDateControl(picker), "2009/04/01");

    SetDateControl(picker, "");
    EXPECT_FALSE(picker.isChecked());
    EXPECT_FALSE(picker.dateEdit()->isEnabled());
    EXPECT_EQ(picker.date(), QDate(2026, 12, 9));
    EXPECT_EQ(GetDateControl(picker), "");
    EXPECT_EQ(changes.count(), 0);

    SetDateControl(picker, "2009/13/01");
    EXPECT_EQ(warnings.texts(), QStringList{"正しくない日付がセットされました．　　"});
    EXPECT_EQ(GetDateControl(picker), "");

    ClickButton(&picker, "check");
    EXPECT_EQ(GetDateControl(picker), "2026/12/09");
    EXPECT_EQ(changes.count(), 1);
}
