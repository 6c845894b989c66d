#include "BlobIo.h"

#include "FbApi.h"

namespace db::fb {

namespace {
constexpr int SegmentSize = 32768;
}

QByteArray readBlob(Firebird::IAttachment *attachment, Firebird::ITransaction *transaction, const ISC_QUAD &id)
{
    Status status;
    ISC_QUAD blobId = id;
    Firebird::IBlob *blob = attachment->openBlob(&status, transaction, &blobId, 0, nullptr);
    QByteArray bytes;
    char segment[SegmentSize];
    try {
        for (;;) {
            unsigned length = 0;
            const int result = blob->getSegment(&status, sizeof segment, segment, &length);
            if (result == Firebird::IStatus::RESULT_NO_DATA)
                break;
            bytes.append(segment, int(length));
        }
        blob->close(&status);
    } catch (...) {
        blob->release();
        throw;
    }
    return bytes;
}

ISC_QUAD writeBlob(Firebird::IAttachment *attachment, Firebird::ITransaction *transaction, const QByteArray &bytes)
{
    Status status;
    ISC_QUAD id{};
    Firebird::IBlob *blob = attachment->createBlob(&status, transaction, &id, 0, nullptr);
    try {
        for (qsizetype offset = 0; offset < bytes.size(); offset += SegmentSize) {
            const auto length = unsigned(qMin<qsizetype>(SegmentSize, bytes.size() - offset));
            blob->putSegment(&status, length, bytes.constData() + offset);
        }
        blob->close(&status);
    } catch (...) {
        blob->release();
        throw;
    }
    return id;
}

}  // namespace db::fb
