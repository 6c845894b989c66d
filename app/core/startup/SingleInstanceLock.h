#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from running for the same user: a lock file named
// after "SORVIKN" in the user's runtime folder. A lock left behind by a program that
// crashed names a process that no longer runs and is taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString &name = QStringLiteral("SORVIKN"));
    ~SingleInstanceLock();  // releases the lock when held

    // True when this process now holds the lock; false when another running process does.
    bool tryAcquire();
    void release();
    QString path() const { return m_path; }

    // The lock file's folder: $XDG_RUNTIME_DIR, else the temporary folder.
    static QString defaultFolder();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
