#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace db {
class Query;
}

// A statement with the values of its '?' marks, in order. Values never go into the text:
// a name such as O'Neil or NULL is stored as it was typed.
struct SqlStatement
{
    QString text;
    QVariantList params;

    // The statement wrapped into an outer one, "select X from (%1)", keeping its values.
    SqlStatement wrapped(const QString &outer) const { return {outer.arg(text), params}; }
};

// Gives `query` the statement's text and values.
void SetStatement(db::Query &query, const SqlStatement &sql);

// A code (project, contractor, worker) as a parameter: the digits of the text as a
// number, null when it holds none ("", "0" is a number).
QVariant CodeParam(const QString &code);

// The codes of a comma list (the digits of each part; parts without any are dropped),
// each once, in their order.
QVariantList CodeParams(const QString &commaList);
