#include "services/UserAction.h"

#include "data/Abort.h"
#include "db/Error.h"
#include "ScriptedMessageService.h"

#include <gtest/gtest.h>

TEST(UserActionTest, SilentAbortShowsNothingAndFailuresShowTheirText)
{
    ScriptedMessageService messages;
    EXPECT_TRUE(RunUserAction([] {}));
    EXPECT_FALSE(RunUserAction([] { Abort(); }));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(RunUserAction([] { throw db::Error("violation of PRIMARY or UNIQUE KEY constraint"); }));
    EXPECT_FALSE(RunUserAction([] { throw std::runtime_error("マーカー「**NAME」が有りません"); }));
    EXPECT_EQ(messages.texts(),
              (QStringList{"violation of PRIMARY or UNIQUE KEY constraint", "マーカー「**NAME」が有りません"}));
}
