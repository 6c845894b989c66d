#pragma once

#include "PreparedDatabase.h"
#include "ProjectTree.h"
#include "ScriptedServices.h"
#include "data/ImageStore.h"
#include "data/SqlStatement.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "records/RecordContext.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class IniFile;

// A program folder of its own for one test: the application context emptied, the
// installation record kept inside the folder, and every service scripted. Tests of the
// start itself build on it directly; everything else uses SiteFixture.
class ProgramFolderFixture : public ::testing::Test, protected ScriptedServices
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString appDir() const;        // with a trailing slash, as the program keeps it
    QString databasePath() const;  // sorvik.fdb inside the folder

    void copyDatabase(PreparedDatabase kind) { CopyPreparedDatabase(kind, databasePath()); }
    // Writes sorvik.ini as the Windows program does: CP932 with CR LF.
    void writeIni(const QString &text);
    void pointIniAtDatabase();

    QTemporaryDir dir;
};

// A site: a copy of a prepared database in the program folder, pointed at by its
// sorvik.ini, with the data module started on it as the program starts it.
class SiteFixture : public ProgramFolderFixture
{
protected:
    explicit SiteFixture(PreparedDatabase database = PreparedDatabase::Current)
        : m_database(database)
    {
    }

    void SetUp() override;

    db::Transaction &transaction() { return data.IBTransaction1; }

    // On the program's transaction: statements committed at once, one left uncommitted,
    // and read-backs that see the program's own uncommitted work.
    void execute(const QStringList &statements);
    void exec(const QString &sql);
    QStringList column(const QString &sql);
    QStringList column(const SqlStatement &sql);
    QString scalar(const QString &sql);

    // What an editor or its rules are handed, over this site: the program's transaction,
    // the image store (images shown from the folder "image" of the program folder), the
    // current project and the configuration.
    RecordContext records();

    // Through a second connection, which sees only what the program committed.
    QStringList committedColumn(const QString &sql) const;

    // The configuration a main window under test starts from: the company name set (no
    // first-use settings window), the clock stopped, `kojiCode` the last project used.
    void configureMainWindow(const QString &kojiCode);

    TDataModule1 data;
    IniFile *ini = nullptr;  // the data module's configuration
    ImageStore images{data.IBTransaction1};

private:
    PreparedDatabase m_database;
};

// A site holding the demo site (demo/DemoSite.h): projects, contractors, a construction
// system, workers and the masters.
class DemoSiteFixture : public SiteFixture
{
protected:
    DemoSiteFixture()
        : SiteFixture(PreparedDatabase::Demo)
    {
    }
};
