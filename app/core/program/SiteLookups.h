#pragma once

#include <QString>
#include <QVariantList>

namespace db {
class Transaction;
}

// The lookups of a site's records that windows and editors' rules share, on a given
// transaction. Dated versions follow the rule of the schema: the version valid at a date
// is the one with the greatest APDT not later than it, else the newest.
class SiteLookups
{
public:
    explicit SiteLookups(db::Transaction &transaction)
        : m_transaction(transaction)
    {
    }

    // Column `column` of the version valid at `date` of a contractor, a worker or the
    // project's prime contractor (kind 1 GBNM, 2 JGNM, 3 CPNM, 4 ANNM). When there is no
    // row `value` is left as it was and the result is false.
    bool GetContractorItem(const QString &kojiCode, const QString &gyoCode, const QString &column, const QString &date,
                           QString &value);
    bool GetWorkerItem(const QString &kojiCode, const QString &gyoCode, const QString &workerCode,
                       const QString &column, const QString &date, QString &value);
    bool GetPrimeContractorItem(int kind, const QString &date, const QString &kojiCode, QString &value);

    // The name in the construction system of the contractor's first-tier ancestor (the
    // contractor itself at levels 0 and 1); empty when the contractor is not in it.
    QString GetFirstTierName(const QString &kojiCode, const QString &gyoCode);

private:
    bool validVersionItem(const QString &from, const QString &column, const QString &where, const QVariantList &params,
                          const QString &date, QString &value);

    db::Transaction &m_transaction;
};
