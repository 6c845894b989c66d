#pragma once

#include "ConnectionParams.h"

#include <QString>

namespace db {

// A new database that nobody can take for finished before it is. A local file is built
// under a temporary name beside its target ("sorvik.fdb.building-PID", in the same folder
// so that the last step is one rename on one file system) and takes the target's name
// only when it is complete, flushed to the disk, never replacing a file that appeared
// meanwhile. A process killed on the way leaves nothing under the target's name; its
// temporary file is removed by the next build of the same target once that process is
// gone. A database on a server cannot be renamed from here: it is built in place and
// dropped again when the build fails.
class NewDatabaseFile
{
public:
    // Refuses (db::Error) a local target that exists or whose folder does not.
    explicit NewDatabaseFile(QString target);
    // An unfinished build is removed (a server database dropped, with the parameters it
    // was created with).
    ~NewDatabaseFile();
    NewDatabaseFile(const NewDatabaseFile &) = delete;
    NewDatabaseFile &operator=(const NewDatabaseFile &) = delete;

    // Creates the empty database (see Database::create) under buildName(), where it is
    // then filled.
    void create(const ConnectionParams &params);
    const QString &buildName() const { return m_build; }
    // Makes the finished build the target; every connection to it must be closed.
    void finish();

    // The temporary names this class uses for `target`, as a file-name pattern.
    static QString buildPattern(const QString &target);

private:
    void removeStaleBuilds() const;
    void discard();

    QString m_target;
    QString m_build;
    ConnectionParams m_params;
    bool m_server = false;
    bool m_created = false;
    bool m_finished = false;
};

}  // namespace db
