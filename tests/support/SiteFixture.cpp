#include "SiteFixture.h"

#include "SiteSql.h"
#include "config/ConfigKeys.h"
#include "config/Cp932Text.h"
#include "program/AppContext.h"

#include <QDir>
#include <QFile>
#include <QSettings>

void ProgramFolderFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    AppContext::instance() = AppContext();
    AppContext::Project().Reset();
    const QString settings = dir.filePath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
}

void ProgramFolderFixture::TearDown()
{
    AppContext::instance() = AppContext();
    AppContext::Project().Reset();
}

QString ProgramFolderFixture::appDir() const
{
    return dir.filePath(QStringLiteral("bin")) + QLatin1Char('/');
}

QString ProgramFolderFixture::databasePath() const
{
    return dir.filePath(QStringLiteral("sorvik.fdb"));
}

void ProgramFolderFixture::writeIni(const QString &text)
{
    QDir().mkpath(appDir());
    QFile file(appDir() + QStringLiteral("sorvik.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Cp932Encode(ToCrLf(text)));
}

void ProgramFolderFixture::pointIniAtDatabase()
{
    writeIni(QStringLiteral("[system]\ndbpc=\ndbname=") + databasePath() + QLatin1Char('\n'));
}

void SiteFixture::SetUp()
{
    ProgramFolderFixture::SetUp();
    copyDatabase(m_database);
    pointIniAtDatabase();
    ASSERT_TRUE(data.start(appDir())) << messages.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    ini = data.iniFile.get();
}

void SiteFixture::execute(const QStringList &statements)
{
    ExecuteCommitted(data.IBTransaction1, statements);
}

void SiteFixture::exec(const QString &sql)
{
    ExecSql(data.IBTransaction1, sql);
}

QStringList SiteFixture::column(const QString &sql)
{
    return ColumnValues(data.IBTransaction1, sql);
}

QStringList SiteFixture::column(const SqlStatement &sql)
{
    return ColumnValues(data.IBTransaction1, sql);
}

RecordContext SiteFixture::records()
{
    return {data.IBTransaction1, images, AppContext::instance().Project(), *ini, AppContext::instance().ImageRoot, [] {
                return AppContext::instance().WorkDate;
            }};
}

QString SiteFixture::scalar(const QString &sql)
{
    return ScalarValue(data.IBTransaction1, sql);
}

QStringList SiteFixture::committedColumn(const QString &sql) const
{
    return ColumnValuesOnFile(databasePath(), sql);
}

void SiteFixture::configureMainWindow(const QString &kojiCode)
{
    Config::write(*ini, Config::Debug, true);
    Config::write(*ini, Config::CompanyName, QStringLiteral("北辰建設"));
    // The main window reads the company from the context the data module filled at start.
    AppContext::instance().CompanyName = Config::read(*ini, Config::CompanyName);
    Config::write(*ini, Config::KojiCode, kojiCode);
}
