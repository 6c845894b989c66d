#pragma once

// Private to the database layer: whole-blob reads and writes.

#include <firebird/Interface.h>

#include <QByteArray>

namespace db::fb {

QByteArray readBlob(Firebird::IAttachment *attachment, Firebird::ITransaction *transaction, const ISC_QUAD &id);
ISC_QUAD writeBlob(Firebird::IAttachment *attachment, Firebird::ITransaction *transaction, const QByteArray &bytes);

}  // namespace db::fb
