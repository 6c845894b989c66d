#include "system/TerminationSignals.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

TEST(TerminationSignalsTest, TheFirstSignalRunsTheHandlerOffTheSignalContext)
{
    std::atomic<int> handled{0};
    {
        TerminationSignals watcher("test", [&](int signal) { handled = signal; });
        EXPECT_EQ(TerminationSignals::received(), 0);
        ASSERT_EQ(::kill(::getpid(), SIGINT), 0);  // the process goes on: the program decides
        for (int i = 0; i < 200 && handled == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(handled, SIGINT);
        EXPECT_EQ(TerminationSignals::received(), SIGINT);
    }
    // A clean end stops the watching; a new watcher starts with nothing received.
    TerminationSignals again("test", [](int) {});
    EXPECT_EQ(TerminationSignals::received(), 0);
}

TEST(TerminationSignalsTest, SignalsHaveTheirShellNames)
{
    EXPECT_EQ(TerminationSignals::signalName(SIGINT), "SIGINT");
    EXPECT_EQ(TerminationSignals::signalName(SIGTERM), "SIGTERM");
}

TEST(TerminationSignalsTest, AProgramThatDoesNotEndInTimeIsEndedWithALine)
{
    EXPECT_EXIT(
        {
            TerminationSignals watcher(
                "stuck", [](int) {}, std::chrono::seconds(0));
            ::kill(::getpid(), SIGTERM);
            std::this_thread::sleep_for(std::chrono::seconds(5));
        },
        ::testing::ExitedWithCode(128 + SIGTERM), "stuck: did not end within 0 seconds after SIGTERM");
}

}  // namespace
