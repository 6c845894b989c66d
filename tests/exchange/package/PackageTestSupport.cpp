#include "PackageTestSupport.h"

#include "program/AppContext.h"
#include "ArchiveCommands.h"
#include "CommaText.h"
#include "PackageKind.h"
#include "PackageText.h"
#include "PackageWriter.h"
#include "PreparedDatabase.h"
#include "db/SqlText.h"
#include "data/ImageStore.h"
#include "db/Query.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonValue>

using namespace sorvik::package;

ExportAnswer ScriptedPackageDialogs::confirmExport(const QStringList &fileInfo)
{
    shownFileInfo << fileInfo;
    return exportAnswer;
}

ImportAnswer ScriptedPackageDialogs::confirmImport(const ImportReview &review)
{
    reviews << review;
    return {acceptImport && review.importable, overwrite};
}

QString ScriptedPackageDialogs::chooseOpenFile(const FileRequest &request)
{
    requests << request;
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString ScriptedPackageDialogs::chooseSaveFile(const FileRequest &request)
{
    return chooseOpenFile(request);
}

PackageSite::PackageSite(PackageDialogs &dialogs, bool durable)
    : exchange(data, dialogs)
{
    const QString path = dir.filePath(QStringLiteral("site.fdb"));
    CopyPreparedDatabase(PreparedDatabase::Current, path);
    data.IBDatabase1.setDatabaseName(path);
    if (durable) {
        db::ConnectionParams params;
        params.forcedWrites = 1;
        data.IBDatabase1.setParams(params);
    }
    data.IBDatabase1.open();
    data.IBTransaction1.start();
    exchange.setToday(QDate(2026, 12, 9));
}

void PackageSite::execute(const QString &sql)
{
    db::Query query(data.IBTransaction1);
    query.setSql(sql);
    query.exec();
    data.IBTransaction1.commitRetaining();
}

QString PackageSite::scalar(const QString &sql)
{
    db::Query query(data.IBTransaction1);
    query.setSql(sql);
    query.open();
    return query.eof() ? QStringLiteral("<no row>") : query.field(0).asString();
}

QList<Row> PackageSite::rows(const QString &sql)
{
    QList<Row> result;
    db::Query query(data.IBTransaction1);
    query.setSql(sql);
    for (query.open(); !query.eof(); query.next()) {
        Row row;
        for (int i = 0; i < query.fieldCount(); ++i)
            row.insert(query.columns()[i].name, query.field(i).asString());
        result << row;
    }
    return result;
}

QByteArray PackageSite::image(const QString &name)
{
    db::Query query(data.IBTransaction1);
    query.setSql(QStringLiteral("Select IMG from IMGFL where FLNM = ") + SqlQuote(name));
    query.open();
    return query.eof() ? QByteArray() : query.field(0).asBytes();
}

int PackageSite::count(const QString &table)
{
    return scalar(QStringLiteral("Select count(*) from ") + table).toInt();
}

QString PackageSite::snapshot()
{
    QStringList lines;
    QStringList tables = {QStringLiteral("IMGFL")};
    for (int kind = 0; kind < kKindCount; ++kind)
        tables << kindByNumber(kind)->table;
    for (const QString &table : tables) {
        for (const Row &row : rows(QStringLiteral("Select * from ") + table)) {
            QStringList values;
            for (auto it = row.begin(); it != row.end(); ++it)
                values << it.key() + QLatin1Char('=') + it.value();
            lines << table + QLatin1Char(':') + values.join(QLatin1Char('|'));
        }
    }
    lines.sort();
    return lines.join(QLatin1Char('\n'));
}

void PackageSite::addProject(int code, const QString &name)
{
    execute(QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM) values(%1, '2026/04/01', %2)")
                .arg(code)
                .arg(SqlQuote(name)));
}

void PackageSite::addContractor(int project, int code, const QString &name)
{
    execute(QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values(%1, %2, '2026/04/01', %3)")
                .arg(project)
                .arg(code)
                .arg(SqlQuote(name)));
}

void PackageSite::addWorker(int project, int contractor, int code, const QString &name, const QString &birth)
{
    execute(QStringLiteral("Insert into SAGYOIN (KJCD, GYOCD, INCD, NAME, BNDT, SEL, INDT) "
                           "values(%1, %2, %3, %4, %5, 1, '2026/01/01')")
                .arg(project)
                .arg(contractor)
                .arg(code)
                .arg(SqlQuote(name), SqlQuote(birth)));
}

QString PackageSite::storeImage(int kind, const QByteArray &bytes)
{
    QTemporaryDir source;
    QFile file(source.filePath(QStringLiteral("photo.jpg")));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    const QString name = data.StoreImageFile(kind, file.fileName());
    data.IBTransaction1.commitRetaining();
    return name;
}

void PackageTest::SetUp()
{
    AppContext::instance() = AppContext();
    AppContext::Project().Reset();
    AppContext::instance().AppDir = appDir();
    AppContext::instance().CompanyName = QStringLiteral("株式会社北辰建設");
}

void PackageTest::TearDown()
{
    EXPECT_EQ(leftInWorkFolders(), QStringList());
    AppContext::instance() = AppContext();
    AppContext::Project().Reset();
}

QStringList PackageTest::leftInWorkFolders() const
{
    return filesBelow(m_appDir.path());
}

QStringList PackageTest::filesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

QMap<QString, QByteArray> PackageTest::extract(const QString &archive, const QString &folder)
{
    QMap<QString, QByteArray> members;
    QDir().mkpath(folder);
    if (!sorvik::lzh::ExtractArchive(archive, folder))
        return members;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        file.open(QIODevice::ReadOnly);
        members.insert(name, file.readAll());
    }
    return members;
}

QString manifestValue(const QJsonObject &row, const QString &column)
{
    const QJsonValue value = row.value(column);
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.toString();
}

QString PackageTest::archive(const QString &name, const HandMadePackage &package)
{
    const QString folder = scratch(name + QStringLiteral("-members"));
    QDir().mkpath(folder);
    PackageScheme scheme;
    scheme.version = package.version;
    scheme.kind = QString::number(package.kind);
    scheme.columns = package.columns;
    scheme.types = package.types;
    if (const PackageKind *kind = kindByNumber(package.kind))
        scheme.imageColumns = kind->imageColumns;
    QStringList lines;
    for (const QStringList &row : package.rows)
        lines << writeCommaText(row);
    writePackageMembers(folder, {QStringLiteral("ファイル種別：手作り")}, scheme, toPackageText(lines), false, nullptr);
    for (auto it = package.files.begin(); it != package.files.end(); ++it) {
        QFile file(QDir(folder).filePath(it.key()));
        file.open(QIODevice::WriteOnly);
        file.write(it.value());
    }
    const QString path = scratch(name);
    sorvik::lzh::CreateArchive(path, folder);
    return path;
}
