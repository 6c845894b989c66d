#pragma once

#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "schema/SchemaBuilder.h"

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

    void exec(const QString &sql)
    {
        db::Query query(transaction);
        query.setSql(sql);
        query.exec();
    }

    QString scalar(const QString &sql)
    {
        db::Query query(transaction);
        query.setSql(sql);
        query.open();
        return query.eof() ? QStringLiteral("<no row>") : query.field(0).asString();
    }

    db::Database database;
    db::Transaction transaction{database};

private:
    QTemporaryDir m_dir;
};
