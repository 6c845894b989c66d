#include "MessageCodec.h"

#include "Error.h"
#include "FbApi.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cmath>
#include <cstring>

namespace db::fb {

namespace {

constexpr unsigned CharSetOctets = 1;
constexpr unsigned CharSetUtf8 = 4;
constexpr unsigned BytesPerUtf8Char = 4;
constexpr qsizetype MaxVaryingBytes = 32765;

Column::Kind kindOf(unsigned type, int subType, int scale)
{
    switch (type) {
    case SQL_TEXT:
    case SQL_VARYING:
        return Column::Kind::Text;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return scale < 0 ? Column::Kind::Decimal : Column::Kind::Integer;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Column::Kind::Float;
    case SQL_TYPE_DATE:
        return Column::Kind::Date;
    case SQL_TYPE_TIME:
        return Column::Kind::Time;
    case SQL_TIMESTAMP:
        return Column::Kind::Timestamp;
    case SQL_BOOLEAN:
        return Column::Kind::Boolean;
    case SQL_BLOB:
        return subType == 1 ? Column::Kind::TextBlob : Column::Kind::Blob;
    default:
        return Column::Kind::Other;
    }
}

template<typename T> T readAt(const char *data)
{
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

template<typename T> void writeAt(char *data, T value)
{
    std::memcpy(data, &value, sizeof value);
}

QVariant scaled(qint64 raw, int scale)
{
    if (scale >= 0)
        return QVariant::fromValue(raw);
    return double(raw) / std::pow(10.0, -scale);
}

QVariant textValue(const char *data, unsigned length, unsigned charSet)
{
    if (charSet == CharSetOctets)
        return QByteArray(data, int(length));
    return QString::fromUtf8(data, int(length));
}

QDate decodeDate(ISC_DATE date)
{
    unsigned year = 0, month = 0, day = 0;
    util()->decodeDate(date, &year, &month, &day);
    return QDate(int(year), int(month), int(day));
}

QTime decodeTime(ISC_TIME time)
{
    unsigned hours = 0, minutes = 0, seconds = 0, fractions = 0;
    util()->decodeTime(time, &hours, &minutes, &seconds, &fractions);
    return QTime(int(hours), int(minutes), int(seconds), int(fractions / 10));
}

bool isInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

QByteArray blobBytes(const QVariant &value)
{
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : value.toString().toUtf8();
}

// The text a string parameter is sent as: dates and times in the forms the engine reads.
QByteArray parameterText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray();
    return value.toString().toUtf8();
}

}  // namespace

QList<Column> describeColumns(Firebird::IMessageMetadata *metadata)
{
    Status status;
    QList<Column> columns;
    const unsigned count = metadata->getCount(&status);
    for (unsigned i = 0; i < count; ++i) {
        Column column;
        column.name = QString::fromUtf8(metadata->getAlias(&status, i));
        column.field = QString::fromUtf8(metadata->getField(&status, i));
        column.relation = QString::fromUtf8(metadata->getRelation(&status, i));
        column.sqlType = int(metadata->getType(&status, i) & ~1u);
        column.subType = metadata->getSubType(&status, i);
        column.scale = metadata->getScale(&status, i);
        column.byteLength = int(metadata->getLength(&status, i));
        column.nullable = metadata->isNullable(&status, i);
        column.kind = kindOf(unsigned(column.sqlType), column.subType, column.scale);
        if (column.kind == Column::Kind::Text) {
            const unsigned charSet = metadata->getCharSet(&status, i) & 0xFF;
            column.charLength = charSet == CharSetUtf8 ? column.byteLength / int(BytesPerUtf8Char) : column.byteLength;
        }
        columns << column;
    }
    return columns;
}

QVariant decodeValue(Firebird::IMessageMetadata *metadata, const QByteArray &row, unsigned index,
                     const BlobReader &readBlob)
{
    Status status;
    const char *base = row.constData();
    if (readAt<short>(base + metadata->getNullOffset(&status, index)) != 0)
        return {};
    const char *data = base + metadata->getOffset(&status, index);
    const unsigned type = metadata->getType(&status, index) & ~1u;
    const int scale = metadata->getScale(&status, index);
    const unsigned charSet = metadata->getCharSet(&status, index) & 0xFF;
    switch (type) {
    case SQL_TEXT: {
        QVariant text = textValue(data, metadata->getLength(&status, index), charSet);
        // Fixed-length text comes padded with blanks that no user typed.
        if (text.typeId() == QMetaType::QString) {
            QString s = text.toString();
            while (s.endsWith(QLatin1Char(' ')))
                s.chop(1);
            return s;
        }
        return text;
    }
    case SQL_VARYING:
        return textValue(data + sizeof(short), unsigned(readAt<unsigned short>(data)), charSet);
    case SQL_SHORT:
        return scale < 0 ? scaled(readAt<short>(data), scale) : QVariant(int(readAt<short>(data)));
    case SQL_LONG:
        return scale < 0 ? scaled(readAt<ISC_LONG>(data), scale) : QVariant(int(readAt<ISC_LONG>(data)));
    case SQL_INT64:
        return scaled(readAt<ISC_INT64>(data), scale);
    case SQL_FLOAT:
        return double(readAt<float>(data));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return readAt<double>(data);
    case SQL_BOOLEAN:
        return readAt<unsigned char>(data) != 0;
    case SQL_TYPE_DATE:
        return decodeDate(readAt<ISC_DATE>(data));
    case SQL_TYPE_TIME:
        return decodeTime(readAt<ISC_TIME>(data));
    case SQL_TIMESTAMP: {
        const auto stamp = readAt<ISC_TIMESTAMP>(data);
        return QDateTime(decodeDate(stamp.timestamp_date), decodeTime(stamp.timestamp_time));
    }
    case SQL_NULL:
        return {};
    case SQL_BLOB: {
        const QByteArray bytes = readBlob(readAt<ISC_QUAD>(data));
        if (metadata->getSubType(&status, index) == 1)
            return QString::fromUtf8(bytes);
        return bytes;
    }
    default:
        throw Error(QStringLiteral("Column %1 has a type (%2) this program cannot read.")
                        .arg(QString::fromUtf8(metadata->getAlias(&status, index)))
                        .arg(type));
    }
}

QByteArray encodeParams(Firebird::IMessageMetadata *described, const std::vector<QVariant> &values,
                        const BlobWriter &writeBlob, Firebird::IMessageMetadata *&metadata)
{
    Status status;
    const unsigned count = described->getCount(&status);
    if (values.size() < count)
        throw Error(
            QStringLiteral("The statement has %1 parameters but only %2 were given.").arg(count).arg(values.size()));

    Firebird::IMetadataBuilder *builder = described->getBuilder(&status);
    try {
        for (unsigned i = 0; i < count; ++i) {
            const QVariant &value = values[i];
            const unsigned declared = described->getType(&status, i) & ~1u;
            if (value.isNull() || declared == SQL_BLOB)
                continue;
            builder->setScale(&status, i, 0);
            if (isInteger(value)) {
                builder->setType(&status, i, SQL_INT64);
                builder->setLength(&status, i, sizeof(ISC_INT64));
            } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
                builder->setType(&status, i, SQL_DOUBLE);
                builder->setLength(&status, i, sizeof(double));
            } else if (value.typeId() == QMetaType::QDate) {
                builder->setType(&status, i, SQL_TYPE_DATE);
                builder->setLength(&status, i, sizeof(ISC_DATE));
            } else {
                if (parameterText(value).size() > MaxVaryingBytes)
                    throw Error(QStringLiteral("Parameter %1 is too long for a text value.").arg(i));
                builder->setType(&status, i, SQL_VARYING);
                builder->setSubType(&status, i, 0);
                builder->setCharSet(&status, i, value.typeId() == QMetaType::QByteArray ? CharSetOctets : CharSetUtf8);
                builder->setLength(&status, i, unsigned(qMax<qsizetype>(1, parameterText(value).size())));
            }
        }
        metadata = builder->getMetadata(&status);
        builder->release();
    } catch (...) {
        builder->release();
        throw;
    }

    QByteArray message(int(metadata->getMessageLength(&status)), '\0');
    char *base = message.data();
    for (unsigned i = 0; i < count; ++i) {
        const QVariant &value = values[i];
        writeAt<short>(base + metadata->getNullOffset(&status, i), value.isNull() ? -1 : 0);
        if (value.isNull())
            continue;
        char *data = base + metadata->getOffset(&status, i);
        switch (metadata->getType(&status, i) & ~1u) {
        case SQL_BLOB:
            writeAt<ISC_QUAD>(data, writeBlob(blobBytes(value)));
            break;
        case SQL_INT64:
            writeAt<ISC_INT64>(data, value.toLongLong());
            break;
        case SQL_DOUBLE:
            writeAt<double>(data, value.toDouble());
            break;
        case SQL_TYPE_DATE: {
            const QDate date = value.toDate();
            writeAt<ISC_DATE>(data,
                              util()->encodeDate(unsigned(date.year()), unsigned(date.month()), unsigned(date.day())));
            break;
        }
        default: {
            const QByteArray text = parameterText(value);
            writeAt<unsigned short>(data, static_cast<unsigned short>(text.size()));
            std::memcpy(data + sizeof(short), text.constData(), size_t(text.size()));
            break;
        }
        }
    }
    return message;
}

}  // namespace db::fb
