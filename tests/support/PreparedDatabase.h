#pragma once

#include <QString>
#include <QTemporaryDir>

// Database files made once by the build (sorvik-test-databases) and copied for each test:
// a copy opens in milliseconds where building a schema takes a few hundred.
enum class PreparedDatabase {
    Blank,  // a database without a single table
    V0_4,   // the layouts of older releases, empty
    V0_4_6,
    Current,  // the current layout, empty
    Demo,     // the current layout holding the demo site
};

// The file name of a prepared database, as the maker writes it.
QString PreparedDatabaseName(PreparedDatabase kind);

// Copies the prepared database to `path`; throws std::runtime_error when it cannot (the
// build did not make it, or the copy failed).
void CopyPreparedDatabase(PreparedDatabase kind, const QString &path);

// A copy of a prepared database in a folder of its own that disappears with it.
class DatabaseCopy
{
public:
    explicit DatabaseCopy(PreparedDatabase kind = PreparedDatabase::Current);

    QString path() const { return m_dir.filePath(QStringLiteral("sorvik.fdb")); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
