#pragma once

#include <QByteArray>
#include <QString>

namespace celvane {

// Puts a finished document on disk whole or not at all. The bytes replace the target by one
// rename; until then, and after any failure, the old file stays as it was. A target that is
// a link, a folder or a device is refused: a saved document never lands anywhere else.
class OutputFile
{
public:
    // Throws CelvaneError naming the file and the reason.
    static void save(const QString &fileName, const QByteArray &bytes);
};

}  // namespace celvane
