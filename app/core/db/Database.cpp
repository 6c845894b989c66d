#include "Database.h"

#include "FbApi.h"
#include "SqlText.h"
#include "Query.h"
#include "TimeLimitedOpen.h"
#include "Transaction.h"

#include <QFileInfo>
#include <algorithm>

namespace db {

namespace {

enum class Purpose { Open, Create, Validate };

QByteArray connectionBlock(const QString &name, const ConnectionParams &params, Purpose purpose)
{
    fb::Status status;
    Firebird::IXpbBuilder *dpb = fb::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&status, isc_dpb_user_name, fb::toEngineText(params.userName).constData());
    dpb->insertString(&status, isc_dpb_password, fb::toEngineText(params.password).constData());
    dpb->insertString(&status, isc_dpb_lc_ctype, fb::toEngineText(params.charSet).constData());
    dpb->insertInt(&status, isc_dpb_sql_dialect, params.sqlDialect);
    if (params.forcedWrites >= 0)
        dpb->insertInt(&status, isc_dpb_force_write, params.forcedWrites);
    if (params.connectTimeLimitSeconds() > 0 && Database::isServerName(name))
        dpb->insertInt(&status, isc_dpb_connect_timeout, params.connectTimeLimitSeconds());
    if (purpose == Purpose::Validate)
        dpb->insertInt(&status, isc_dpb_verify, isc_dpb_pages | isc_dpb_records | isc_dpb_indices | isc_dpb_no_update);
    if (purpose == Purpose::Create) {
        dpb->insertString(&status, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(&status, isc_dpb_page_size, 4096);
    }
    QByteArray block(reinterpret_cast<const char *>(dpb->getBuffer(&status)), int(dpb->getBufferLength(&status)));
    dpb->dispose();
    return block;
}

// Attaches to (or creates) the database within the time limit of the parameters.
Firebird::IAttachment *connect(const QString &name, const ConnectionParams &params, Purpose purpose)
{
    const QByteArray dpb = connectionBlock(name, params, purpose);
    const QByteArray engineName = fb::toEngineText(name);
    return fb::openWithin<Firebird::IAttachment>(params.connectTimeLimit, name, [dpb, engineName, purpose] {
        fb::Status status;
        const auto *block = reinterpret_cast<const unsigned char *>(dpb.constData());
        if (purpose == Purpose::Create)
            return fb::provider()->createDatabase(&status, engineName.constData(), unsigned(dpb.size()), block);
        return fb::provider()->attachDatabase(&status, engineName.constData(), unsigned(dpb.size()), block);
    });
}

}  // namespace

Database::Database() = default;

Database::~Database()
{
    close();
    // Transactions and queries that are still alive keep pointing here; they must be
    // destroyed first, which member order in the owners guarantees.
}

void Database::setDatabaseName(const QString &name)
{
    if (isConnected() && name != m_name)
        close();
    m_name = name;
}

void Database::open()
{
    if (isConnected())
        return;
    if (m_name.isEmpty())
        throw Error(QStringLiteral("No database name is set."));
    m_attachment = connect(m_name, m_params, Purpose::Open);
}

void Database::close()
{
    if (!isConnected())
        return;
    for (Transaction *transaction : m_transactions)
        transaction->abandon();
    try {
        fb::Status status;
        m_attachment->detach(&status);
        m_attachment = nullptr;
    } catch (const Firebird::FbException &) {
        // A connection that is already broken cannot be detached cleanly; dropping the
        // handle is all that is left to do.
        fb::release(m_attachment);
    }
}

void Database::reconnect(const std::function<void()> &whileClosed)
{
    close();
    std::exception_ptr failure;
    if (whileClosed) {
        try {
            whileClosed();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    try {
        open();
    } catch (const Error &error) {
        throw Error(QStringLiteral("データベースに再接続できません。\n%1\n%2").arg(m_name, error.message()),
                    error.gdsCode());
    }
    if (failure)
        std::rethrow_exception(failure);
}

void Database::drop()
{
    Firebird::IAttachment *attachment = handle();
    for (Transaction *transaction : m_transactions)
        transaction->abandon();
    fb::guarded([&] {
        fb::Status status;
        attachment->dropDatabase(&status);
    });
    // A dropped attachment is released by the engine.
    m_attachment = nullptr;
}

void Database::create(const QString &name, const ConnectionParams &params)
{
    if (!isServerName(name) && QFileInfo::exists(name))
        throw Error(QStringLiteral("The database file already exists: %1").arg(name));
    Firebird::IAttachment *attachment = connect(name, params, Purpose::Create);
    fb::guarded([&] {
        fb::Status status;
        attachment->detach(&status);
    });
}

Firebird::IAttachment *Database::handle() const
{
    if (!m_attachment)
        throw Error(QStringLiteral("The database is not connected."));
    return m_attachment;
}

ValidationCounts Database::validate(const QString &name, const ConnectionParams &params)
{
    // The engine validates while it attaches; the counts are then items of the attachment.
    Firebird::IAttachment *attachment = connect(name, params, Purpose::Validate);
    const unsigned char items[]
        = {isc_info_page_errors,  isc_info_record_errors, isc_info_bpage_errors, isc_info_dpage_errors,
           isc_info_ipage_errors, isc_info_ppage_errors,  isc_info_tpage_errors, isc_info_end};
    unsigned char buffer[256] = {};
    ValidationCounts counts;
    fb::guarded([&] {
        fb::Status status;
        attachment->getInfo(&status, sizeof items, items, sizeof buffer, buffer);
        attachment->detach(&status);
    });
    for (const unsigned char *p = buffer; p + 3 <= buffer + sizeof buffer && *p != isc_info_end;) {
        const unsigned char item = *p++;
        const int length = p[0] | (p[1] << 8);
        p += 2;
        if (p + length > buffer + sizeof buffer)
            break;
        qint64 value = 0;  // little-endian, as the engine writes info items
        for (int i = length - 1; i >= 0; --i)
            value = (value << 8) | p[i];
        p += length;
        switch (item) {
        case isc_info_page_errors:
            counts.pages = int(value);
            break;
        case isc_info_record_errors:
            counts.records = int(value);
            break;
        case isc_info_bpage_errors:
            counts.blobPages = int(value);
            break;
        case isc_info_dpage_errors:
            counts.dataPages = int(value);
            break;
        case isc_info_ipage_errors:
            counts.indexPages = int(value);
            break;
        case isc_info_ppage_errors:
            counts.pointerPages = int(value);
            break;
        case isc_info_tpage_errors:
            counts.tipPages = int(value);
            break;
        default:
            break;
        }
    }
    return counts;
}

QStringList Database::stringColumn(const QString &sql)
{
    Transaction transaction(*this);
    Query query(transaction);
    query.setSql(sql);
    QStringList values;
    for (query.open(); !query.eof(); query.next())
        values << query.field(0).asString().trimmed();
    query.close();
    transaction.commit();
    return values;
}

QStringList Database::tableNames()
{
    return stringColumn(QStringLiteral("select rdb$relation_name from rdb$relations"
                                       " where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null"
                                       " order by rdb$relation_name"));
}

QStringList Database::fieldNames(const QString &table)
{
    return stringColumn(QStringLiteral("select rdb$field_name from rdb$relation_fields where rdb$relation_name = %1"
                                       " order by rdb$field_position")
                            .arg(SqlQuote(table.toUpper())));
}

QStringList Database::primaryKeyFields(const QString &table)
{
    return stringColumn(QStringLiteral("select s.rdb$field_name from rdb$relation_constraints c"
                                       " join rdb$index_segments s on s.rdb$index_name = c.rdb$index_name"
                                       " where c.rdb$relation_name = %1 and c.rdb$constraint_type = 'PRIMARY KEY'"
                                       " order by s.rdb$field_position")
                            .arg(SqlQuote(table.toUpper())));
}

bool Database::isLocalName(const QString &name)
{
    return name.contains(QLatin1String("localhost"), Qt::CaseInsensitive) || !isServerName(name);
}

bool Database::isServerName(const QString &name)
{
    // "inet://host/path" and the other protocol forms, "\\host\path".
    if (name.contains(QLatin1String("://")) || name.startsWith(QLatin1String("\\\\")))
        return true;
    // "host:path" or "host/port:path"; a colon in second place is a Windows drive letter,
    // and a colon after a folder ("/data/a:b.fdb") belongs to a file name.
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon < 2)
        return false;
    const QString host = name.left(colon);
    return !host.startsWith(QLatin1Char('/')) && !host.startsWith(QLatin1Char('.')) && !host.contains(QLatin1Char('\\'))
        && host.count(QLatin1Char('/')) <= 1;
}

void Database::attach(Transaction *transaction)
{
    m_transactions.push_back(transaction);
}

void Database::detach(Transaction *transaction)
{
    m_transactions.erase(std::remove(m_transactions.begin(), m_transactions.end(), transaction), m_transactions.end());
}

}  // namespace db
