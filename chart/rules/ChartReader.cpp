#include "ChartReader.h"

#include "data/SqlStatement.h"
#include "dates/DateText.h"
#include "db/Query.h"

#include <QSet>

namespace {

QDate DateOf(const QString &text)
{
    return IsDateText(text) ? DateTextToDate(text) : QDate();
}

class Reader
{
public:
    Reader(db::Transaction &transaction, const QString &project, ChartSource source, const QString &date)
        : m_transaction(transaction)
        , m_project(CodeParam(project))
        , m_source(source)
        , m_date(date)
        , m_projectCode(project)
    {
    }

    std::optional<ChartRead> Read(const QString &today)
    {
        db::Query query(m_transaction);
        SetStatement(query, PrimeStatement());
        query.open();
        if (query.eof())
            return std::nullopt;
        ChartRead chart;
        chart.CreatedOn = m_source == ChartSource::SavedVersion ? query.field("CRDT").asString() : today;
        ChartEntry prime = Entry(query, -1, 0);
        query.close();
        m_visited.insert(prime.Box.ContractorCode);
        chart.Entries.append(prime);
        AddChildren(chart.Entries, 0);
        return chart;
    }

private:
    SqlStatement PrimeStatement() const
    {
        if (m_source == ChartSource::SavedVersion)
            return {QStringLiteral("Select * from TAIKEI where KJCD = ? and APDT = ? and HTYCD = 0"),
                    {m_project, m_date}};
        return {QStringLiteral("Select * from TAISEI where KJCD = ? and HTYCD = 0 and EFECT = 1"), {m_project}};
    }

    SqlStatement ChildrenStatement(const QString &parentCode) const
    {
        const QVariant parent = CodeParam(parentCode);
        switch (m_source) {
        case ChartSource::SavedVersion:
            return {QStringLiteral("Select * from TAIKEI where KJCD = ? and HTYCD = ? and APDT = ? order by GYOCD"),
                    {m_project, parent, m_date}};
        case ChartSource::Attendance:
            return {QStringLiteral("Select * from TAISEI where KJCD = ? and HTYCD = ? and EFECT = 1"
                                   " and GYOCD in (Select distinct GYOCD from DEZURA where KJCD = ? and WKDT = ?)"
                                   " order by GYOCD"),
                    {m_project, parent, m_project, m_date}};
        case ChartSource::ConstructionSystem:
            break;
        }
        return {QStringLiteral("Select * from TAISEI where KJCD = ? and HTYCD = ? and EFECT = 1 order by GYOCD"),
                {m_project, parent}};
    }

    ChartEntry Entry(const db::Query &row, int parentIndex, int depth) const
    {
        ChartEntry entry;
        entry.ParentIndex = parentIndex;
        ChartBox &box = entry.Box;
        box.ContractorCode = row.field("GYOCD").asString();
        box.CompanyName = row.field("CPNM").asString();
        if (m_source == ChartSource::SavedVersion) {
            box.ParentCode = row.field("HTYCD").asInt();
            box.Tier = row.field("UNUM").asInt();
            box.FrameStyle = row.field("YOBIN1").asInt();
            box.BoxColor = row.field("YOBIS1").asString();
            entry.Saved
                = StoredCell{row.field("LOCPG").asInt(), row.field("LOCROW").asInt(), row.field("LOCCOL").asInt()};
        } else {
            box.ParentCode = row.field("HTYCD").asInt();
            box.Tier = depth;
        }
        ReadParticulars(m_transaction, m_projectCode, m_date, box);
        return entry;
    }

    void AddChildren(QList<ChartEntry> &entries, int parentIndex)
    {
        QList<ChartEntry> children;
        {
            db::Query query(m_transaction);
            SetStatement(query, ChildrenStatement(entries[parentIndex].Box.ContractorCode));
            for (query.open(); !query.eof(); query.next()) {
                const QString code = query.field("GYOCD").asString();
                if (m_visited.contains(code))
                    continue;
                m_visited.insert(code);
                children.append(Entry(query, parentIndex, entries[parentIndex].Box.Tier + 1));
            }
        }
        for (ChartEntry &child : children) {
            entries.append(std::move(child));
            AddChildren(entries, int(entries.size()) - 1);
        }
    }

    db::Transaction &m_transaction;
    QVariant m_project;
    ChartSource m_source;
    QString m_date;
    QString m_projectCode;
    QSet<QString> m_visited;
};

}  // namespace

std::optional<ChartRead> ReadChart(db::Transaction &transaction, const QString &project, ChartSource source,
                                   const QString &date, const QString &today)
{
    return Reader(transaction, project, source, date).Read(today);
}

void ReadParticulars(db::Transaction &transaction, const QString &project, const QString &date, ChartBox &box)
{
    const QString columns = QStringLiteral("Select CPNM, KJNM, ANNM, SNNM1, GJNM1, GJKJ1, STDT, FNDT from GYOSYA");
    db::Query query(transaction);
    SetStatement(query,
                 {columns + QStringLiteral(" where KJCD = ? and GYOCD = ? and APDT <= ? order by APDT desc"),
                  {CodeParam(project), CodeParam(box.ContractorCode), date}});
    query.open();
    if (query.eof()) {
        SetStatement(query,
                     {columns + QStringLiteral(" where KJCD = ? and GYOCD = ? order by APDT desc"),
                      {CodeParam(project), CodeParam(box.ContractorCode)}});
        query.open();
        if (query.eof())
            return;
    }
    box.CompanyName = query.field("CPNM").asString();
    box.WorkContent = query.field("KJNM").asString();
    box.SafetyManager = query.field("ANNM").asString();
    box.ChiefEngineer = query.field("SNNM1").asString();
    box.SpecialistEngineer = query.field("GJNM1").asString();
    box.SpecialistWork = query.field("GJKJ1").asString();
    box.StartDate = DateOf(query.field("STDT").asString());
    box.EndDate = DateOf(query.field("FNDT").asString());
}
