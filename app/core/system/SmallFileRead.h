#pragma once

#include <QByteArray>
#include <QString>

// Reads a small file of settings whole, refusing what no such file can be: anything but a
// regular file (a device such as /dev/zero, a pipe that would block, a folder, also when
// reached through a link) and anything larger than `maximumSize` bytes (checked while
// reading too, for a file that grows). Nothing larger is ever held in memory.
struct SmallFileRead
{
    enum class Outcome { Read, Missing, Refused };

    Outcome outcome = Outcome::Missing;
    QByteArray bytes;  // the content when read
    QString problem;   // why it was refused, in the user's words

    static SmallFileRead read(const QString &path, qint64 maximumSize);
};
