#include "dateedit/DateControl.h"
#include "DateEditFixture.h"
#include "dateedit/TplDateEditLabel.h"

#include <QSignalSpy>
#include <QWheelEvent>

using TplDateEditKeysTest = DateEditFixture;

TEST_F(TplDateEditKeysTest, FieldsTakeDigitsOnlyAndTheEraTakesNoText)
{
    typeInto(year(), "2a0-2");
    QTest::sendKeyEvent(QTest::Click, year(), Qt::Key_unknown, QStringLiteral("６"), Qt::NoModifier);
    QTest::keyClicks(year(), "6");
    EXPECT_EQ(year()->text(), "2026");
    QTest::keyClick(year(), Qt::Key_A, Qt::ControlModifier);  // shortcuts still work
    QTest::keyClicks(year(), "12345");                        // four digits at most
    EXPECT_EQ(year()->text(), "1234");
    QTest::keyClick(year(), Qt::Key_Backspace);
    EXPECT_EQ(year()->text(), "123");

    era()->setFocus();
    QTest::keyClicks(era(), "s");
    EXPECT_EQ(era()->currentText(), "令和");
}

TEST_F(TplDateEditKeysTest, TabbingWalksYearMonthDayThenEra)
{
    QSignalSpy enters(edit, &TplDateEdit::OnEnter);
    QSignalSpy exits(edit, &TplDateEdit::OnExit);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), year());
    QTest::keyClick(year(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), month());
    QTest::keyClick(month(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), day());
    QTest::keyClick(day(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), era());
    QTest::keyClick(era(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(enters.count(), 1);
    EXPECT_EQ(exits.count(), 1);

    // Shift+Tab comes back in at the era.
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), era());

    // Focusing the control itself lands on the era, or on the year without it.
    edit->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), era());
    edit->setEditGengo(false);
    edit->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), year());
}

TEST_F(TplDateEditKeysTest, EnterMovesOnAndShiftEnterBack)
{
    typeInto(year(), "8");
    QTest::keyClick(year(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), month());
    EXPECT_EQ(year()->text(), "8");
    QTest::keyClick(month(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), day());
    QTest::keyClick(day(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), month());

    edit->setEnterNext(false);
    QTest::keyClick(month(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), month());
}

TEST_F(TplDateEditKeysTest, DownOpensTheEraListAndEnterTakesTheItem)
{
    typeInto(year(), "1");
    QTest::keyClick(year(), Qt::Key_Down);
    ASSERT_TRUE(era()->isPopupOpen());
    QAbstractItemView *list = era()->view();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(era()->isPopupOpen());
    EXPECT_EQ(era()->currentText(), "平成");

    // However the list closes, the next Down opens it again.
    QTest::keyClick(year(), Qt::Key_Down);
    ASSERT_TRUE(era()->isPopupOpen());
    era()->view()->window()->close();
    EXPECT_FALSE(era()->isPopupOpen());
    EXPECT_EQ(era()->palette().color(QPalette::Button), QColor(Qt::white));

    edit->setDropDownKey(false);
    QTest::keyClick(year(), Qt::Key_Down);
    EXPECT_FALSE(era()->isPopupOpen());
}

TEST_F(TplDateEditKeysTest, DeleteClearsTheEra)
{
    era()->setFocus();
    QTest::keyClick(era(), Qt::Key_Delete);
    EXPECT_EQ(era()->currentIndex(), -1);
    edit->Clear();
    EXPECT_EQ(era()->currentText(), "令和");
}

TEST_F(TplDateEditKeysTest, WheelTurnsTheEraOnlyWhenItHasTheFocus)
{
    auto turn = [this] {
        const QPointF at(era()->width() / 2.0, era()->height() / 2.0);
        QWheelEvent wheel(at, era()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(era(), &wheel);
    };
    year()->setFocus();
    turn();
    EXPECT_EQ(era()->currentText(), "令和");
    era()->setFocus();
    turn();
    EXPECT_EQ(era()->currentText(), "平成");
}

TEST_F(TplDateEditKeysTest, KeyHooksComeFirstAndCanSwallow)
{
    QList<int> keysDown;
    edit->OnKeyDown = [&](int key, Qt::KeyboardModifiers) {
        keysDown << key;
        return key != Qt::Key_Return;
    };
    edit->OnKeyPress = [](QChar key) { return key != QLatin1Char('7'); };
    typeInto(year(), "1778");
    EXPECT_EQ(year()->text(), "18");
    QTest::keyClick(year(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), year());
    EXPECT_EQ(keysDown.size(), 5);
}

TEST_F(TplDateEditKeysTest, FocusedAndDisabledColours)
{
    auto background = [](QWidget *part) { return part->palette().color(QPalette::Base); };
    year()->setFocus();
    EXPECT_EQ(background(year()), QColor(0xFF, 0xFB, 0xF0));
    EXPECT_EQ(background(month()), QColor(Qt::white));
    month()->setFocus();
    EXPECT_EQ(background(year()), QColor(Qt::white));

    edit->setEnabled(false);
    for (QWidget *part :
         {static_cast<QWidget *>(era()), static_cast<QWidget *>(year()), static_cast<QWidget *>(day())}) {
        EXPECT_FALSE(part->isEnabled());
        EXPECT_EQ(background(part), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(part->palette().color(QPalette::Text), QColor(Qt::white));
    }
    edit->setEnabled(true);
    EXPECT_EQ(background(day()), QColor(Qt::white));
    EXPECT_EQ(day()->palette().color(QPalette::Text), edit->palette().color(QPalette::Text));
}

TEST_F(TplDateEditKeysTest, ChangesAreSignalledButNotWhileTheProgramPutsADateIn)
{
    QSignalSpy changes(edit, &TplDateEdit::OnChange);
    QSignalSpy clicks(edit, &TplDateEdit::OnClick);
    SetDateControl(*edit, "2026/12/09");
    SetDateControl(*edit, "");
    EXPECT_EQ(changes.count(), 0);

    typeInto(day(), "9");
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseClick(month(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(TplDateEditKeysTest, PartsAreLaidOutSideBySideAtTheDropDownHeight)
{
    const QFontMetrics metrics(edit->font());
    EXPECT_EQ(edit->font().pointSize(), 9);
    EXPECT_EQ(era()->width(), metrics.horizontalAdvance("0000") + 26);
    EXPECT_EQ(year()->width(), metrics.horizontalAdvance("0000") + 12);
    EXPECT_EQ(day()->width(), metrics.horizontalAdvance("00") + 12);
    const auto labels = edit->findChildren<TplDateEditLabel *>();
    ASSERT_EQ(labels.size(), 3);
    EXPECT_EQ(labels[0]->width(), metrics.horizontalAdvance("年") + 10);
    EXPECT_EQ(year()->x(), era()->width());
    EXPECT_EQ(edit->height(), era()->height());
    EXPECT_EQ(edit->width(), labels[2]->geometry().right() + 1);

    const int fullWidth = edit->width();
    edit->resize(fullWidth + 50, edit->height() * 2);
    EXPECT_EQ(edit->width(), fullWidth);
    edit->setEditStyle(desYear);
    EXPECT_TRUE(month()->isHidden());
    EXPECT_TRUE(day()->isHidden());
    EXPECT_EQ(edit->width(), labels[0]->geometry().right() + 1);
}
