#pragma once

// Private plumbing of the database layer: the engine's master interfaces, a status
// object that cleans up after itself and the translation of engine failures into
// db::Error. Nothing outside app/core/db includes this header.

#include "Error.h"

#include <firebird/Interface.h>

#include <QByteArray>
#include <QString>

namespace db::fb {

Firebird::IMaster *master();
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

}  // namespace db::fb
