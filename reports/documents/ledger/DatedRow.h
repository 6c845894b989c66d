#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>

namespace db {
class Transaction;
}

namespace sorvik::documents {

// One row of KOJI or GYOSYA as of a date: the version with the latest APDT not after the
// date, or the newest version when every one is later. Columns by name; a null reads as
// the empty text.
class DatedRow
{
public:
    // `select` is the statement without the date condition ("Select * from KOJI where
    // KJCD = 1"); none when the table holds no row for it.
    static std::optional<DatedRow> Read(db::Transaction &transaction, const QString &select, const QString &dateText);

    static std::optional<DatedRow> Project(db::Transaction &transaction, const QString &kojiCode,
                                           const QString &dateText);
    static std::optional<DatedRow> Contractor(db::Transaction &transaction, const QString &kojiCode,
                                              const QString &gyoCode, const QString &dateText);
    // The contractor at the top of the construction system (HTYCD 0).
    static std::optional<DatedRow> PrimeContractor(db::Transaction &transaction, const QString &kojiCode,
                                                   const QString &dateText);

    QString text(const QString &column) const;
    bool isNull(const QString &column) const;
    QVariant value(const QString &column) const { return m_values.value(column.toUpper()); }

private:
    QHash<QString, QVariant> m_values;
};

}  // namespace sorvik::documents
