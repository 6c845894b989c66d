#include "services/UserAction.h"

#include "ScriptedMessageService.h"
#include "data/Abort.h"
#include "db/Error.h"
#include "startup/StartupMessages.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(UserActionTest, SilentAbortShowsNothingAndDatabaseErrorsShowTheirText)
{
    ScriptedMessageService messages;
    EXPECT_TRUE(RunUserAction([] {}));
    EXPECT_FALSE(RunUserAction([] { Abort(); }));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(RunUserAction([] { throw db::Error("violation of PRIMARY or UNIQUE KEY constraint"); }));
    EXPECT_EQ(messages.texts(), QStringList{"violation of PRIMARY or UNIQUE KEY constraint"});
}

TEST(UserActionTest, AnyOtherExceptionIsShownByItsTextOrItsType)
{
    ScriptedMessageService messages;
    EXPECT_FALSE(RunUserAction([] { throw std::runtime_error("「2009/4/1」は日付として読めません。"); }));
    EXPECT_FALSE(RunUserAction([] { throw 42; }));
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[0], "「2009/4/1」は日付として読めません。");
    EXPECT_EQ(messages.texts()[1], "予期しないエラーが発生しました。\n\rint");
}

// The program's application object: whatever a slot or a timer throws is shown and the
// event loop runs on.
TEST(UserActionTest, AnExceptionFromASlotIsShownAndTheProgramGoesOn)
{
    ScriptedMessageService messages;
    EXPECT_EQ(QApplication::applicationDisplayName(), StartupMessages::ApplicationTitle);
    QTimer failing;
    failing.setSingleShot(true);
    QObject::connect(&failing, &QTimer::timeout, [] { throw std::logic_error("slot failed"); });
    bool later = false;
    QTimer::singleShot(0, [&later] { later = true; });
    failing.start(0);
    for (int i = 0; i < 20 && !later; ++i)
        QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(later);
    EXPECT_EQ(messages.texts(), QStringList{"slot failed"});
}
