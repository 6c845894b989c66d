#include "Database.h"

#include "FbApi.h"
#include "SqlText.h"
#include "Query.h"
#include "Transaction.h"

#include <QFileInfo>
#include <algorithm>

namespace db {

namespace {

QByteArray connectionBlock(const ConnectionParams &params, bool creating)
{
    fb::Status status;
    Firebird::IXpbBuilder *dpb = fb::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&status, isc_dpb_user_name, fb::toEngineText(params.userName).constData());
    dpb->insertString(&status, isc_dpb_password, fb::toEngineText(params.password).constData());
    dpb->insertString(&status, isc_dpb_lc_ctype, fb::toEngineText(params.charSet).constData());
    dpb->insertInt(&status, isc_dpb_sql_dialect, params.sqlDialect);
    if (params.forcedWrites >= 0)
        dpb->insertInt(&status, isc_dpb_force_write, params.forcedWrites);
    if (creating) {
        dpb->insertString(&status, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(&status, isc_dpb_page_size, 4096);
    }
    QByteArray block(reinterpret_cast<const char *>(dpb->getBuffer(&status)), int(dpb->getBufferLength(&status)));
    dpb->dispose();
    return block;
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
    const QByteArray dpb = connectionBlock(m_params, false);
    fb::guarded([&] {
        fb::Status status;
        m_attachment
            = fb::provider()->attachDatabase(&status, fb::toEngineText(m_name).constData(), unsigned(dpb.size()),
                                             reinterpret_cast<const unsigned char *>(dpb.constData()));
    });
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

void Database::create(const QString &name, const ConnectionParams &params)
{
    if (QFileInfo::exists(name))
        throw Error(QStringLiteral("The database file already exists: %1").arg(name));
    const QByteArray dpb = connectionBlock(params, true);
    fb::guarded([&] {
        fb::Status status;
        Firebird::IAttachment *attachment
            = fb::provider()->createDatabase(&status, fb::toEngineText(name).constData(), unsigned(dpb.size()),
                                             reinterpret_cast<const unsigned char *>(dpb.constData()));
        attachment->detach(&status);
    });
}

Firebird::IAttachment *Database::handle() const
{
    if (!m_attachment)
        throw Error(QStringLiteral("The database is not connected."));
    return m_attachment;
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
    if (name.contains(QLatin1String("localhost"), Qt::CaseInsensitive))
        return true;
    if (name.startsWith(QLatin1String("inet"), Qt::CaseInsensitive) && name.contains(QLatin1String("://")))
        return false;
    if (name.startsWith(QLatin1String("\\\\")))
        return false;
    // "host:path" names a server; a colon in second place is a Windows drive letter.
    return name.indexOf(QLatin1Char(':')) < 2;
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
