#pragma once

// Private plumbing of the database layer: the engine's master interfaces, a status
// object that cleans up after itself and the translation of engine failures into
// db::Error. Nothing outside app/core/db includes this header.

#include "Error.h"

#include <firebird/Interface.h>

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>

namespace db::fb {

Firebird::IMaster *master();
// Whether master() has been reached, that is the client library started, in this process.
bool started();
Firebird::IUtil *util();
Firebird::IProvider *provider();

// A throwing status for one call sequence; disposes its engine status when it leaves scope.
class Status : public Firebird::ThrowStatusWrapper
{
public:
    Status();
    ~Status();
    Status(const Status &) = delete;
    Status &operator=(const Status &) = delete;
};

// The engine's formatted message text of a failure, all lines joined by '\n'.
Error toError(const Firebird::FbException &failure);

// Runs `work` and turns an engine failure into db::Error.
template<typename Work> auto guarded(Work &&work) -> decltype(work())
{
    try {
        return work();
    } catch (const Firebird::FbException &failure) {
        throw toError(failure);
    }
}

// Releases an engine interface pointer (reference counted) and clears it.
template<typename Interface> void release(Interface *&object)
{
    if (object) {
        object->release();
        object = nullptr;
    }
}

QByteArray toEngineText(const QString &text);

// Engine calls given up after their time limit that have not come back yet.
std::atomic<int> &abandonedCalls();

std::function<void()> &firstConnectionAction();
// Set once the program has been told to stop its database work (db::stopDatabaseWork()).
std::atomic<bool> &stopping();
// Throws db::Error when it is set: called before every statement.
void throwIfStopping();

// Runs the action registered with db::whenEngineFirstConnects() after the first connection.
void noteConnected();

}  // namespace db::fb
