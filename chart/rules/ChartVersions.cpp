#include "ChartVersions.h"

#include "data/SqlStatement.h"
#include "db/Query.h"

#include <algorithm>

void ChartVersions::Load(db::Transaction &transaction, const QString &project)
{
    db::Query query(transaction);
    SetStatement(
        query, {QStringLiteral("Select Distinct APDT from TAIKEI where KJCD = ? Order by APDT"), {CodeParam(project)}});
    m_dates.clear();
    for (query.open(); !query.eof(); query.next())
        m_dates << query.field(0).asString();
    // Sorted as texts: the order the version list shows, whatever the database's collation.
    std::sort(m_dates.begin(), m_dates.end());
    m_index = Count() - 1;
}

QString ChartVersions::Current() const
{
    return m_index >= 0 && m_index < Count() ? m_dates[m_index] : QString();
}

void ChartVersions::Step(int direction)
{
    m_index = std::clamp(m_index + direction, 0, Count() - 1);
}

bool ChartVersions::IsTakenByAnother(const QString &date, bool newChart) const
{
    const int at = int(m_dates.indexOf(date));
    return at >= 0 && (newChart || at != m_index);
}

void ChartVersions::Saved(const QString &date, const QString &moved)
{
    if (!moved.isEmpty() && moved != date)
        m_dates.removeAll(moved);
    if (!m_dates.contains(date)) {
        m_dates << date;
        std::sort(m_dates.begin(), m_dates.end());
    }
    m_index = int(m_dates.indexOf(date));
}

void ChartVersions::RemoveCurrent()
{
    if (m_index < 0 || m_index >= Count())
        return;
    m_dates.removeAt(m_index);
    if (m_index > 0)
        --m_index;
    if (m_dates.isEmpty())
        m_index = -1;
}
