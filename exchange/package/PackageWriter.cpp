#include "PackageWriter.h"

#include "common/AtomicFile.h"
#include "PackageText.h"
#include "Scramble.h"

#include <QDir>

namespace sorvik::package {

namespace {

// Members are written into a work folder only to be packed: they need not wait for the disk.
bool writeMember(const QString &folder, const QString &name, const std::string &bytes, QString *error)
{
    std::string reason;
    if (writeFileAtomically(QDir(folder).filePath(name).toStdString(), bytes, &reason, Durability::Scratch))
        return true;
    if (error)
        *error = QString::fromStdString(reason);
    return false;
}

}  // namespace

bool writePackageMembers(const QString &folder, const QStringList &fileInfo, const PackageScheme &scheme,
                         const std::string &recordBytes, bool scrambled, QString *error)
{
    const std::string schemeBytes = toPackageText(scheme.lines());
    return writeMember(folder, QStringLiteral("FILEINFO.TXT"), toPackageText(fileInfo), error)
        && writeMember(folder, scrambled ? QStringLiteral("SCHEME.ECD") : QStringLiteral("SCHEME.TXT"),
                       scrambled ? scrambleText(schemeBytes) : schemeBytes, error)
        && writeMember(folder, scrambled ? QStringLiteral("RECORD.ECD") : QStringLiteral("RECORD.CSV"),
                       scrambled ? scrambleText(recordBytes) : recordBytes, error);
}

bool writeUnitMembers(const QString &folder, const QStringList &fileInfo, const QStringList &tables, QString *error)
{
    const QStringList scheme
        = {kFormatVersion, QStringLiteral("-1"), tables.join(QLatin1Char(',')), QString(), QString()};
    return writeMember(folder, QStringLiteral("FILEINFO.TXT"), toPackageText(fileInfo), error)
        && writeMember(folder, QStringLiteral("SCHEME.TXT"), toPackageText(scheme), error);
}

}  // namespace sorvik::package
