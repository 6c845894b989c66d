#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from running for the same user: a lock file named
// after "SORVIKN" in the user's private folder (sorvik::userPrivateFolder(): under the
// runtime folder, else the cache folder, never a folder other users can write to, where
// anyone could block the program by creating the file first). A lock left behind by a
// program that crashed names a process that no longer runs and is taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString &name = QStringLiteral("SORVIKN"));
    ~SingleInstanceLock();  // releases the lock when held

    // True when this process now holds the lock; false when another running process does,
    // or when the lock could not be tried at all (errorString() then says why).
    bool tryAcquire();
    void release();
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

    // The lock file's folder; empty (with the reason in `error`) when it cannot be made.
    static QString defaultFolder(QString *error = nullptr);

private:
    QString m_path;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
};
