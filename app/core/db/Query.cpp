#include "Query.h"

#include "BlobIo.h"
#include "Database.h"
#include "FbApi.h"
#include "MessageCodec.h"
#include "Transaction.h"

namespace db {

Query::Query(Transaction &transaction)
    : m_transaction(transaction)
{
    m_transaction.attach(this);
}

Query::~Query()
{
    unprepare();
    m_transaction.detach(this);
}

void Query::setSql(const QString &sql)
{
    unprepare();
    m_sql = sql;
    m_params.clear();
}

void Query::setParam(int index, const QVariant &value)
{
    if (index < 0)
        throw Error(QStringLiteral("Parameter numbers start at 0."));
    if (size_t(index) >= m_params.size())
        m_params.resize(size_t(index) + 1);
    m_params[size_t(index)] = value;
}

void Query::clearParams()
{
    m_params.clear();
}

void Query::prepare()
{
    if (m_statement)
        return;
    if (m_sql.trimmed().isEmpty())
        throw Error(QStringLiteral("The query has no SQL text."));
    Firebird::IAttachment *attachment = m_transaction.database().handle();
    Firebird::ITransaction *transaction = m_transaction.handle();
    const QByteArray text = fb::toEngineText(m_sql);
    fb::guarded([&] {
        fb::Status status;
        m_statement = attachment->prepare(&status, transaction, 0, text.constData(),
                                          unsigned(m_transaction.database().params().sqlDialect),
                                          Firebird::IStatement::PREPARE_PREFETCH_METADATA);
        m_output = m_statement->getOutputMetadata(&status);
        m_columns = fb::describeColumns(m_output);
    });
}

bool Query::isSelect()
{
    prepare();
    return fb::guarded([&] {
        fb::Status status;
        const unsigned type = m_statement->getType(&status);
        return type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
    });
}

const QList<Column> &Query::columns()
{
    prepare();
    return m_columns;
}

QByteArray Query::inputMessage(Firebird::IMessageMetadata *&metadata)
{
    Firebird::IAttachment *attachment = m_transaction.database().handle();
    Firebird::ITransaction *transaction = m_transaction.handle();
    fb::Status status;
    Firebird::IMessageMetadata *described = m_statement->getInputMetadata(&status);
    try {
        QByteArray message = fb::encodeParams(
            described, m_params, [&](const QByteArray &bytes) { return fb::writeBlob(attachment, transaction, bytes); },
            metadata);
        described->release();
        return message;
    } catch (...) {
        described->release();
        throw;
    }
}

void Query::open()
{
    fb::throwIfStopping();
    close();
    prepare();
    Firebird::ITransaction *transaction = m_transaction.handle();
    fb::guarded([&] {
        fb::Status status;
        Firebird::IMessageMetadata *input = nullptr;
        QByteArray message = inputMessage(input);
        try {
            m_cursor = m_statement->openCursor(&status, transaction, input,
                                               message.isEmpty() ? nullptr : message.data(), m_output, 0);
        } catch (...) {
            fb::release(input);
            throw;
        }
        fb::release(input);
        m_row = QByteArray(int(m_output->getMessageLength(&status)), '\0');
    });
    m_eof = false;
    fetch();
}

void Query::fetch()
{
    fb::guarded([&] {
        fb::Status status;
        if (m_cursor->fetchNext(&status, m_row.data()) != Firebird::IStatus::RESULT_OK)
            m_eof = true;
    });
}

void Query::next()
{
    if (!m_cursor)
        throw Error(QStringLiteral("The query is not open."));
    if (!m_eof)
        fetch();
}

void Query::close()
{
    m_eof = true;
    if (!m_cursor)
        return;
    try {
        fb::Status status;
        m_cursor->close(&status);
        m_cursor = nullptr;
    } catch (const Firebird::FbException &) {
        // Closing after the transaction or the connection failed; nothing left to tidy.
        fb::release(m_cursor);
    }
}

void Query::exec()
{
    fb::throwIfStopping();
    close();
    prepare();
    if (isSelect()) {
        open();
        close();
        m_rowsAffected = 0;
        return;
    }
    Firebird::ITransaction *transaction = m_transaction.handle();
    fb::guarded([&] {
        fb::Status status;
        Firebird::IMessageMetadata *input = nullptr;
        QByteArray message = inputMessage(input);
        QByteArray output(int(m_output->getMessageLength(&status)), '\0');
        try {
            m_statement->execute(&status, transaction, input, message.isEmpty() ? nullptr : message.data(), m_output,
                                 output.isEmpty() ? nullptr : output.data());
        } catch (...) {
            fb::release(input);
            throw;
        }
        fb::release(input);
        m_rowsAffected = qint64(m_statement->getAffectedRecords(&status));
    });
}

void Query::unprepare()
{
    close();
    fb::release(m_output);
    fb::release(m_statement);
    m_columns.clear();
}

int Query::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant Query::value(int index) const
{
    if (!m_cursor || m_eof)
        throw Error(QStringLiteral("The query stands on no row."));
    if (index < 0 || index >= m_columns.size())
        throw Error(QStringLiteral("The query has no column %1.").arg(index));
    Firebird::IAttachment *attachment = m_transaction.database().handle();
    Firebird::ITransaction *transaction = m_transaction.handle();
    return fb::guarded([&] {
        return fb::decodeValue(m_output, m_row, unsigned(index),
                               [&](const ISC_QUAD &id) { return fb::readBlob(attachment, transaction, id); });
    });
}

Field Query::field(int index) const
{
    return Field(m_columns.value(index).name, value(index));
}

Field Query::field(const QString &name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw Error(QStringLiteral("The query has no column named %1.").arg(name));
    return Field(m_columns[index].name, value(index));
}

}  // namespace db
