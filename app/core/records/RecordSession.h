#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class RecordRules;
class TableDataSet;

// Applies an editor's rules to its table dataset, without a window:
//   before every move   the current record's carried columns are remembered (unless the
//                       dataset is empty), so they always hold the record that was
//                       current before the latest move;
//   a new record        the rules' defaults, then (while carrying) the carried values;
//   a post              the rules' checks in order (the first that fails is shown, the
//                       window told which field to focus, and the post stops silently),
//                       then the values every post sets; after the write the rules'
//                       cascades, which stand or fall with the record;
//   a refused write     the rules' own message for it, or the database's;
//   a delete            refused with the rules' message, else their cascades before it.
// The session chains its handlers onto the dataset's events; others may chain more.
class RecordSession
{
public:
    RecordSession(TableDataSet &table, RecordRules &rules);

    // Called with the column of a failed check, after its message: the window focuses
    // the control bound to it.
    std::function<void(const QString &column)> OnRefused;

    // Whether new records take the carried values; off while a brand-new object (a new
    // project, a new contractor) is made.
    void SetCarrying(bool carrying) { m_carrying = carrying; }
    bool Carrying() const { return m_carrying; }

    // The value of a carried column remembered before the latest move; null when none was.
    QVariant Carried(const QString &column) const { return m_carried.value(column); }

    // Opens the table in the rules' order; a filter is set before.
    void Open();
    // False after showing the rules' refusal; true when the current record may go.
    bool MayDelete();
    // Begins a new record holding these columns of the current one.
    void AppendCopy(const QStringList &columns);
    // A new record the user has not begun, to be dropped without a question.
    bool IsUntouchedNewRecord();

    TableDataSet &Table() { return m_table; }
    RecordRules &Rules() { return m_rules; }

private:
    void remember();
    void begin();
    void check();
    void write(const QHash<QString, QVariant> &values);

    TableDataSet &m_table;
    RecordRules &m_rules;
    QHash<QString, QVariant> m_carried;
    bool m_carrying = true;
};
