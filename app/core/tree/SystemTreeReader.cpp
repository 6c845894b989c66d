#include "SystemTreeReader.h"

#include "data/SqlStatement.h"
#include "db/Query.h"

#include <QHash>
#include <QSet>
#include <utility>

namespace SystemTreeReader {

namespace {

struct Row
{
    QString gyoCode;
    QString parentCode;  // empty for a null parent
    QString name;
};

QList<Row> readRows(db::Transaction &transaction, const QVariant &project)
{
    QList<Row> rows;
    db::Query query(transaction);
    SetStatement(query,
                 {QStringLiteral("Select GYOCD, HTYCD, CPNM from TAISEI where KJCD = ? order by GYOCD"), {project}});
    for (query.open(); !query.eof(); query.next()) {
        const db::Field parent = query.field(1);
        rows.append(
            {query.field(0).asString(), parent.isNull() ? QString() : parent.asString(), query.field(2).asString()});
    }
    return rows;
}

// The company name of each contractor's version valid at `workDate`.
QHash<QString, QString> readCaptions(db::Transaction &transaction, const QVariant &project, const QString &workDate)
{
    QHash<QString, QString> valid;   // the greatest version not later than the date
    QHash<QString, QString> newest;  // the newest version, for contractors without such
    db::Query query(transaction);
    SetStatement(
        query, {QStringLiteral("Select GYOCD, APDT, CPNM from GYOSYA where KJCD = ? order by GYOCD, APDT"), {project}});
    for (query.open(); !query.eof(); query.next()) {
        const QString code = query.field(0).asString();
        const QString name = query.field(2).asString();
        newest.insert(code, name);
        // Date texts are ASCII, so comparing them as texts is the engine's comparison.
        if (query.field(1).asString() <= workDate)
            valid.insert(code, name);
    }
    for (auto it = newest.cbegin(); it != newest.cend(); ++it) {
        if (!valid.contains(it.key()))
            valid.insert(it.key(), it.value());
    }
    return valid;
}

}  // namespace

QList<ConstructionTreeModel::NodeData> Read(db::Transaction &transaction, const QString &kojiCode,
                                            const QString &workDate)
{
    const QVariant project = CodeParam(kojiCode);
    const QList<Row> rows = readRows(transaction, project);
    const Row *prime = nullptr;
    QHash<QString, QList<const Row *>> children;  // in ascending GYOCD, as read
    for (const Row &row : rows) {
        if (!prime && row.parentCode == QLatin1String("0"))
            prime = &row;
        if (!row.parentCode.isEmpty())
            children[row.parentCode].append(&row);
    }
    QList<ConstructionTreeModel::NodeData> nodes;
    if (!prime)
        return nodes;
    const QHash<QString, QString> captions = readCaptions(transaction, project, workDate);

    // Depth first without recursion: a deep chain must not exhaust the stack.
    nodes.append({prime->name, TMyRec{prime->gyoCode, QStringLiteral("0"), 0}});
    QSet<QString> placed{prime->gyoCode};
    QList<std::pair<const Row *, int>> pending;  // rows still to place, with their level; the next is last
    const auto queueChildren = [&](const QString &parent, int level) {
        const QList<const Row *> &below = children.value(parent);
        for (auto it = below.crbegin(); it != below.crend(); ++it)
            pending.append({*it, level});
    };
    queueChildren(prime->gyoCode, 1);
    while (!pending.isEmpty()) {
        const auto [row, level] = pending.takeLast();
        if (placed.contains(row->gyoCode))
            continue;
        placed.insert(row->gyoCode);
        nodes.append({captions.value(row->gyoCode), TMyRec{row->gyoCode, row->parentCode, level}});
        queueChildren(row->gyoCode, level + 1);
    }
    return nodes;
}

}  // namespace SystemTreeReader
