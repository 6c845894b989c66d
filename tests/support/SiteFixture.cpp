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
    const QString settings = dir.filePath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
}

void ProgramFolderFixture::TearDown()
{
    AppContext::instance() = AppContext();
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
    Config::write(*ini, Config::KojiCode, kojiCode);
}
