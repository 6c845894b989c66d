#include "WorkerRoster.h"

#include "WorkerRules.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"

WorkerRoster::WorkerRoster(TableDataSet &table, const WorkerRules &rules)
    : m_table(table)
    , m_rules(rules)
{
}

void WorkerRoster::postOrCancel()
{
    try {
        m_table.Post();
    } catch (...) {
        m_table.Cancel();
        throw;
    }
}

void WorkerRoster::ToggleSelection()
{
    if (!m_table.Active() || m_table.IsEmpty())
        return;
    DataField selection = m_table.FieldByName(QStringLiteral("SEL"));
    const int toggled = selection.AsInteger() == 1 ? 0 : 1;
    m_table.Edit();
    selection.SetAsInteger(toggled);
    postOrCancel();
}

void WorkerRoster::RecalculateAges()
{
    if (!m_table.Active() || m_table.IsEmpty())
        return;
    const TableDataSet::Bookmark current = m_table.GetBookmark();
    const int birth = m_table.FieldIndex(QStringLiteral("BNDT"));
    const int stored = m_table.FieldIndex(QStringLiteral("OLD"));
    try {
        for (int row = 0; row < m_table.RecordCount(); ++row) {
            const std::optional<int> age
                = m_rules.ChangedAge(m_table.RowValue(row, birth).toString(), m_table.RowValue(row, stored));
            if (!age)
                continue;
            m_table.MoveTo(row);
            m_table.Edit();
            m_rules.SetAge(m_table, *age);
            postOrCancel();
        }
    } catch (...) {
        m_table.GotoBookmark(current);
        throw;
    }
    m_table.GotoBookmark(current);
}
