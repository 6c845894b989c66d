#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Transaction;
}

// The saved versions of a project's chart, one per application date, oldest first, and
// the one shown (Index, -1 while none is saved or loaded).
class ChartVersions
{
public:
    // Reads the project's version dates; the newest is shown.
    void Load(db::Transaction &transaction, const QString &project);

    const QStringList &Dates() const { return m_dates; }
    int Index() const { return m_index; }
    int Count() const { return int(m_dates.size()); }
    bool IsEmpty() const { return m_dates.isEmpty(); }
    // The shown version's date; empty when none is shown.
    QString Current() const;

    bool CanGoBack() const { return m_index > 0; }
    bool CanGoForward() const { return m_index != -1 && m_index < Count() - 1; }
    // Moves to the older (-1) or newer (+1) version within the list.
    void Step(int direction);

    // Whether saving under `date` would overwrite another version: any saved version for a
    // new chart, any but the shown one for a loaded version.
    bool IsTakenByAnother(const QString &date, bool newChart) const;

    // A chart was saved under `date`; a loaded version saved under a new date (`moved`
    // from its old one) leaves its old date. The saved date is shown.
    void Saved(const QString &date, const QString &moved = {});
    // The shown version was deleted: the next older one is shown (the oldest stays shown
    // when it was the oldest).
    void RemoveCurrent();

private:
    QStringList m_dates;
    int m_index = -1;
};
