#include "ChartVersionWriter.h"

#include "BoxColors.h"
#include "data/SqlStatement.h"
#include "db/Query.h"
#include "db/Transaction.h"

namespace {

QVariant TextOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

}  // namespace

ChartVersionWriter::ChartVersionWriter(db::Transaction &transaction, QString project, ChartGrid grid)
    : m_transaction(transaction)
    , m_project(std::move(project))
    , m_grid(grid)
{
}

QVariantList ChartVersionWriter::RowValues(const QString &date, const PlacedBox &placed, const QString &createdOn,
                                           const QString &today) const
{
    const ChartBox &box = placed.Box;
    const StoredCell cell = m_grid.ToStored(placed.Cell);
    return {CodeParam(m_project),
            date,
            CodeParam(box.ContractorCode),
            TextOrNull(box.CompanyName),
            box.ParentCode,
            box.Tier,
            cell.Page,
            cell.Row,
            cell.Column,
            TextOrNull(createdOn),
            TextOrNull(today),
            box.FrameStyle,
            0,
            BoxColors::Stored(box.BoxColor),
            QVariant(),
            QVariant(),
            QVariant(),
            QVariant()};
}

template<typename Work> void ChartVersionWriter::Committed(Work &&work)
{
    try {
        work();
        m_transaction.commitRetaining();
    } catch (...) {
        try {
            m_transaction.rollbackRetaining();
        } catch (...) {
            // The first failure is the one to report.
        }
        throw;
    }
}

void ChartVersionWriter::DeleteRows(const QString &date)
{
    db::Query query(m_transaction);
    SetStatement(query,
                 {QStringLiteral("Delete from TAIKEI where KJCD = ? and APDT = ?"), {CodeParam(m_project), date}});
    query.exec();
}

void ChartVersionWriter::Save(const QString &date, const QString &replaced, const QList<PlacedBox> &boxes,
                              const QString &createdOn, const QString &today)
{
    Committed([&] {
        if (!replaced.isEmpty())
            DeleteRows(replaced);
        db::Query insert(m_transaction);
        insert.setSql(
            QStringLiteral("Insert into TAIKEI values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const PlacedBox &placed : boxes) {
            const QVariantList values = RowValues(date, placed, createdOn, today);
            for (int i = 0; i < values.size(); ++i)
                insert.setParam(i, values[i]);
            insert.exec();
        }
    });
}

void ChartVersionWriter::Delete(const QString &date)
{
    Committed([&] { DeleteRows(date); });
}
