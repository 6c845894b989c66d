#pragma once

#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "schema/SchemaBuilder.h"
#include "TransactionSql.h"

#include <QTemporaryDir>
#include <stdexcept>

// A fresh database of the current layout, opened, with the program's one transaction.
class SorvikScratchDatabase
{
public:
    SorvikScratchDatabase()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        CreateSorvikDatabase(path());
        database.setDatabaseName(path());
        database.open();
    }

    QString path() const { return m_dir.filePath(QStringLiteral("sorvik.fdb")); }
    QString folder() const { return m_dir.path(); }

    void exec(const QString &sql) { ExecSql(transaction, sql); }
    QString scalar(const QString &sql) { return ScalarSql(transaction, sql); }

    db::Database database;
    db::Transaction transaction{database};

private:
    QTemporaryDir m_dir;
};
