#pragma once

#include "ScriptedMessageService.h"
#include "dateedit/EraComboBox.h"
#include "dateedit/TplDateEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// A window with an era date edit between two plain edits, shown and active so that
// focus and key events behave as for a user; warning boxes are captured.
class DateEditFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *column = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        edit = new TplDateEdit(&window);
        after = new QLineEdit(&window);
        column->addWidget(before);
        column->addWidget(edit);
        column->addWidget(after);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit *field(const char *name) const { return edit->findChild<QLineEdit *>(name); }
    QLineEdit *year() const { return field("year"); }
    QLineEdit *month() const { return field("month"); }
    QLineEdit *day() const { return field("day"); }
    EraComboBox *era() const { return edit->findChild<EraComboBox *>("era"); }

    void typeInto(QLineEdit *target, const QString &text)
    {
        target->setFocus();
        QTest::keyClicks(target, text);
    }

    // Picks an era the way a user does: Down opens the list, the arrows walk to the item
    // and Enter takes it (and, as Enter does, moves on).
    void chooseEra(const QString &name)
    {
        era()->setFocus();
        QTest::keyClick(era(), Qt::Key_Down);
        QAbstractItemView *list = era()->view();
        const int target = era()->findText(name);
        for (int step = 0; step < 10 && list->currentIndex().row() != target; ++step)
            QTest::keyClick(list, list->currentIndex().row() < target ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    }

    // Types a date as a user would: the era from the list, then the three fields.
    void enter(const QString &eraName, const QString &y, const QString &m, const QString &d)
    {
        chooseEra(eraName);
        typeInto(year(), y);
        typeInto(month(), m);
        typeInto(day(), d);
    }

    QString shown() const
    {
        return QStringList{era()->currentText(), year()->text(), month()->text(), day()->text()}.join(QLatin1Char(' '));
    }

    QWidget window;
    QLineEdit *before = nullptr;
    TplDateEdit *edit = nullptr;
    QLineEdit *after = nullptr;
    ScriptedMessageService warnings;
};
