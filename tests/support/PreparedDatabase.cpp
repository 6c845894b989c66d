#include "PreparedDatabase.h"

#include <QFile>
#include <stdexcept>

QString PreparedDatabaseName(PreparedDatabase kind)
{
    switch (kind) {
    case PreparedDatabase::Blank:
        return QStringLiteral("blank.fdb");
    case PreparedDatabase::V0_4:
        return QStringLiteral("site-0.4.fdb");
    case PreparedDatabase::V0_4_6:
        return QStringLiteral("site-0.4.6.fdb");
    case PreparedDatabase::Current:
        return QStringLiteral("site.fdb");
    case PreparedDatabase::Demo:
        return QStringLiteral("demo.fdb");
    }
    return {};
}

void CopyPreparedDatabase(PreparedDatabase kind, const QString &path)
{
    // Every test program knows the build tree through SORVIK_BINARY_DIR (cmake/TestEnvironment.cpp).
    const QString source
        = qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/tests/databases/") + PreparedDatabaseName(kind);
    QFile::remove(path);
    if (!QFile::copy(source, path))
        throw std::runtime_error("cannot copy the prepared database " + source.toStdString() + " to "
                                 + path.toStdString() + " (is the build complete?)");
    // The copy keeps the read-only bits a package build may have given the original.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

DatabaseCopy::DatabaseCopy(PreparedDatabase kind)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    CopyPreparedDatabase(kind, path());
}
