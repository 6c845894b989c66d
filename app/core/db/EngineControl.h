#pragma once

#include <functional>

// The database engine as a whole, for the ends of a process: stopping its work when the
// user interrupts a program, and leaving a process whose engine still has a call running
// that was given up after its time limit.

namespace db {

// From now on every statement and every open fails with db::Error, and an open still
// waiting for the engine gives up, so the work under way unwinds as after any failure
// (rolled back, half-built files removed). Safe to call from any thread. What already
// runs inside the engine finishes first; the engine is not shut down under it, which
// its own interrupt handling does and which can leave the process hanging.
void stopDatabaseWork();

// Runs `action` once, right after the first connection of this process has been made.
// The client library installs its own handlers for SIGINT and SIGTERM then, which a
// program that handles them itself must take back (TerminationSignals::reclaim()).
void whenEngineFirstConnects(std::function<void()> action);

// Whether an open given up after its time limit (db::ConnectTimeout) is still waiting in
// the engine.
bool abandonedCallRunning();

// The value main() returns. While an open given up after its time limit still waits in
// the engine, the client library's clean-up at exit would wait for it without end; then
// the process ends here at once, with its standard output and error flushed, instead of
// returning.
int endProcess(int exitCode);

}  // namespace db
