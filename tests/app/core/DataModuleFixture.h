#pragma once

#include "DataModule1.h"
#include "config/Cp932.h"
#include "messages/ScriptedMessageService.h"
#include "schema/SchemaBuilder.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A program folder with its own sorvik.ini, a database of a chosen layout and a private
// place for the installation record, so nothing of the user's own setup is touched.
class DataModuleFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
    }

    QString appDir() const { return dir.filePath(QStringLiteral("bin")) + QLatin1Char('/'); }
    QString databasePath() const { return dir.filePath(QStringLiteral("sorvik.fdb")); }

    void createDatabase(SchemaVersion version) { CreateSorvikDatabase(databasePath(), version); }

    void writeIni(const QString &text)
    {
        QDir().mkpath(appDir());
        QFile file(appDir() + QStringLiteral("sorvik.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(Cp932Encode(ToCrLf(text)));
    }

    void pointIniAtDatabase()
    {
        writeIni(QStringLiteral("[system]\ndbpc=\ndbname=") + databasePath() + QLatin1Char('\n'));
    }

    // Runs statements on the database outside the data module.
    void execute(const QStringList &statements)
    {
        db::Database database;
        database.setDatabaseName(databasePath());
        database.open();
        db::Transaction transaction(database);
        db::Query query(transaction);
        for (const QString &sql : statements) {
            query.setSql(sql);
            query.exec();
            transaction.commitRetaining();
        }
        transaction.commit();
    }

    QTemporaryDir dir;
    ScriptedMessageService messages;
};
