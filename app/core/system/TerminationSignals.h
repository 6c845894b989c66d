#pragma once

#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>

// SIGINT and SIGTERM for a program that must end cleanly. The database client library
// catches both for itself and only ends its connections, so a program left to it never
// exits; while an object of this class lives, the program decides instead.
//
// The first signal runs `onSignal` on a thread of this class (not in the signal handler),
// which asks the program to end: a window program posts a quit to its event loop, a tool
// stops its database work so that the command fails and unwinds. The program then
// has `grace` to get through its clean end and destroy this object; if it does not, or if
// a second signal comes, the process ends at once with a line on standard error. The
// exit code for an interrupted run is 128 + the signal number, as shells report it.
//
// The signals are delivered to the watching thread only: the creating thread and every
// thread it starts afterwards block them (and a program started with fork() unblocks them
// again). So create the one object of a process first thing in main(), on the main
// thread, before the database is opened or any other thread is started.
class TerminationSignals
{
public:
    using Handler = std::function<void(int signal)>;

    TerminationSignals(std::string programName, Handler onSignal,
                       std::chrono::seconds grace = std::chrono::seconds(10));
    ~TerminationSignals();  // the clean end was reached: stops watching, restores the handlers
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // Takes the two signals back from a library that installed handlers of its own since
    // (the database client does at its first connection, and then only ends its
    // connections: the process would never exit). See db::whenEngineFirstConnects().
    static void reclaim();

    // The first signal received in this process, 0 when none came.
    static int received();
    // "SIGINT", "SIGTERM" or the number.
    static std::string signalName(int signal);

private:
    void watch();

    std::string m_programName;
    Handler m_onSignal;
    std::chrono::seconds m_grace;
    int m_pipe[2] = {-1, -1};
    sigset_t m_previousMask;
    std::thread m_watcher;
};
