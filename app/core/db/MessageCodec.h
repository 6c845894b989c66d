#pragma once

// Private to the database layer: between the engine's message buffers and QVariant.

#include "Column.h"

#include <firebird/Interface.h>

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <functional>
#include <vector>

namespace db::fb {

using BlobReader = std::function<QByteArray(const ISC_QUAD &)>;
using BlobWriter = std::function<ISC_QUAD(const QByteArray &)>;

QList<Column> describeColumns(Firebird::IMessageMetadata *metadata);

// The value of column `index` of a fetched row; blobs are read through `readBlob`.
// Text blobs and text columns give QString, binary blobs QByteArray.
QVariant decodeValue(Firebird::IMessageMetadata *metadata, const QByteArray &row, unsigned index,
                     const BlobReader &readBlob);

// Builds the input message for `values` against the statement's parameter description.
// `metadata` receives the (possibly retyped) description the buffer follows; the caller
// releases it.
QByteArray encodeParams(Firebird::IMessageMetadata *described, const std::vector<QVariant> &values,
                        const BlobWriter &writeBlob, Firebird::IMessageMetadata *&metadata);

}  // namespace db::fb
