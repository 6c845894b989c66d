#pragma once

#include "program/DataModule1.h"
#include "PackageDialogs.h"
#include "PackageExchange.h"
#include "ScriptedMessageService.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// The dialogs answered by the test: export confirmed (scrambled unless told otherwise),
// import accepted when importable (overwriting when told), files chosen from a list.
// Every FILEINFO and review shown is kept.
class ScriptedPackageDialogs : public sorvik::package::PackageDialogs
{
public:
    sorvik::package::ExportAnswer exportAnswer{true, false};
    bool acceptImport = true;
    bool overwrite = false;
    QStringList files;  // answers to the file dialogs, in order; empty: cancelled

    QList<QStringList> shownFileInfo;
    QList<sorvik::package::ImportReview> reviews;
    QList<sorvik::package::FileRequest> requests;

    sorvik::package::ExportAnswer confirmExport(const QStringList &fileInfo) override;
    sorvik::package::ImportAnswer confirmImport(const sorvik::package::ImportReview &review) override;
    QString chooseOpenFile(const sorvik::package::FileRequest &request) override;
    QString chooseSaveFile(const sorvik::package::FileRequest &request) override;
};

using Row = QMap<QString, QString>;

// A package written by the test itself, for contents no database would produce.
struct HandMadePackage
{
    int kind = 0;
    QString version = QStringLiteral("0.5");
    QStringList columns;
    QStringList types;
    std::vector<QStringList> rows;
    QMap<QString, QByteArray> files;  // further members (images)
};

// One Sorvik database (a copy of the prepared empty one) with its own data module and
// exchange.
class PackageSite
{
public:
    // `durable`: the engine waits for the disk at every page write, as it does on a user's
    // database (the prepared copies do not); for measuring.
    explicit PackageSite(sorvik::package::PackageDialogs &dialogs, bool durable = false);

    void execute(const QString &sql);
    QString scalar(const QString &sql);
    // Every column of every row of `sql`, as text (nulls empty).
    QList<Row> rows(const QString &sql);
    QByteArray image(const QString &name);
    int count(const QString &table);
    // A fingerprint of every row of every package table and the image store.
    QString snapshot();

    void addProject(int code, const QString &name);
    void addContractor(int project, int code, const QString &name);
    void addWorker(int project, int contractor, int code, const QString &name, const QString &birth);
    QString storeImage(int kind, const QByteArray &bytes);

    QTemporaryDir dir;
    TDataModule1 data;
    sorvik::package::PackageExchange exchange;
};

// Each test gets a program folder of its own (the work folders live there), the
// application context set as the program sets it, scripted messages and dialogs.
class PackageTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString appDir() const { return m_appDir.path() + QLatin1Char('/'); }
    QString scratch(const QString &name) const { return m_scratch.filePath(name); }
    // Names of the files left in the work folders (there must be none after an exchange).
    QStringList leftInWorkFolders() const;
    // Files in `folder` and below, relative names, sorted.
    static QStringList filesBelow(const QString &folder);
    static QMap<QString, QByteArray> extract(const QString &archive, const QString &folder);
    // Archives `package` as `name` in the scratch folder and returns its path.
    QString archive(const QString &name, const HandMadePackage &package);
    std::unique_ptr<PackageSite> site() { return std::make_unique<PackageSite>(dialogs); }

    ScriptedMessageService messages;
    ScriptedPackageDialogs dialogs;

private:
    QTemporaryDir m_appDir;
    QTemporaryDir m_scratch;
};

// The value a manifest row gives a column, as the database shows it as text.
QString manifestValue(const QJsonObject &row, const QString &column);
