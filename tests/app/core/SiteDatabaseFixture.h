#pragma once

#include "SiteSql.h"
#include "AppContext.h"
#include "DataModule1.h"
#include "messages/ScriptedMessageService.h"
#include "schema/SchemaBuilder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A new Sorvik database attached to a data module of its own, with a fresh application
// context and scripted message boxes; statements written by a test are committed at once.
class SiteDatabaseFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppContext::instance() = AppContext();
        CreateSorvikDatabase(dir.filePath(QStringLiteral("site.fdb")));
        data.IBDatabase1.setDatabaseName(dir.filePath(QStringLiteral("site.fdb")));
        data.IBDatabase1.open();
        data.IBTransaction1.start();
    }

    void TearDown() override { AppContext::instance() = AppContext(); }

    void execute(const QStringList &statements) { ExecuteCommitted(data.IBTransaction1, statements); }

    // Values of one column of a query, in result order.
    QStringList column(const QString &sql) { return ColumnValues(data.IBTransaction1, sql); }

    void addProject(int code, const QString &name, const QString &applied = QStringLiteral("2026/04/01"))
    {
        execute({QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT, JV, TTNM) values(%1, '%2', '%3', "
                                "'2026/04/01', '2027/03/19', 0, '元方')")
                     .arg(code)
                     .arg(applied, name)});
    }

    void addContractor(int project, int code, const QString &name,
                       const QString &applied = QStringLiteral("2026/04/01"))
    {
        execute({QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, KJNM, STDT, FNDT) values(%1, %2, '%3', "
                                "'%4', '工事', '2026/05/01', '2026/12/25')")
                     .arg(project)
                     .arg(code)
                     .arg(applied, name)});
    }

    QTemporaryDir dir;
    TDataModule1 data;
    ScriptedMessageService messages;
};
