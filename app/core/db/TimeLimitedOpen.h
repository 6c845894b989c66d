#pragma once

// Private to the database layer: an engine call that opens something (an attachment, a
// service connection) with a time limit. The embedded engine waits without end on its
// process-shared locks, and a server that does not answer can keep a connect waiting for
// minutes; a program that hangs at start tells the user nothing.

#include "ConnectTimeout.h"
#include "FbApi.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace db::fb {

// Ends a connection nobody waits for any more.
template<typename Interface> void detachQuietly(Interface *object)
{
    try {
        Status status;
        object->detach(&status);
    } catch (const Firebird::FbException &) {
        object->release();
    }
}

// Runs `open` on a thread of its own and waits at most `limit` for it (no limit when it is
// zero), or until the program stops its database work (db::stopDatabaseWork()). On time-out ConnectTimeout naming
// `databaseName` is thrown and the thread is left to finish on its own: an engine call cannot be cancelled from
// outside, and when it does come back its connection is ended at once. Engine failures arrive as db::Error, as from
// guarded().
template<typename Interface>
Interface *openWithin(std::chrono::milliseconds limit, const QString &databaseName, std::function<Interface *()> open)
{
    throwIfStopping();
    if (limit.count() <= 0) {
        Interface *result = guarded(open);
        noteConnected();
        return result;
    }

    struct Outcome
    {
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        bool abandoned = false;
        Interface *result = nullptr;
        std::exception_ptr failure;
    };
    auto outcome = std::make_shared<Outcome>();
    std::thread([outcome, open = std::move(open)] {
        Interface *result = nullptr;
        std::exception_ptr failure;
        try {
            result = guarded(open);
        } catch (...) {
            failure = std::current_exception();
        }
        std::unique_lock lock(outcome->mutex);
        if (outcome->abandoned) {
            lock.unlock();
            if (result)
                detachQuietly(result);
            --abandonedCalls();
            return;
        }
        outcome->result = result;
        outcome->failure = failure;
        outcome->done = true;
        outcome->finished.notify_all();
    }).detach();

    // Waited for in slices, so that a program told to end (stopDatabaseWork()) stops waiting.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::unique_lock lock(outcome->mutex);
    while (!outcome->done) {
        if (stopping() || std::chrono::steady_clock::now() >= deadline) {
            outcome->abandoned = true;
            ++abandonedCalls();
            throwIfStopping();
            throw ConnectTimeout(databaseName, limit);
        }
        outcome->finished.wait_for(lock, std::min(limit, std::chrono::milliseconds(100)));
    }
    lock.unlock();
    if (outcome->failure)
        std::rethrow_exception(outcome->failure);
    noteConnected();
    return outcome->result;
}

}  // namespace db::fb
