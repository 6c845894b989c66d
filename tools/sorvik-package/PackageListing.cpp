#include "PackageListing.h"

#include "ArchiveCommands.h"
#include "ImportReview.h"
#include "PackageContent.h"
#include "PackageKind.h"
#include "WorkFolder.h"
#include "messages/MessageService.h"

#include <QDir>

using namespace sorvik::package;

namespace {

const QStringList kRosterMembers = {QStringLiteral("MEIBO1.LZH"), QStringLiteral("MEIBO2.LZH")};

bool isRoster(const PackageFolder &folder)
{
    return folder.contains(kRosterMembers.first());
}

QString memberNames(const PackageFolder &folder)
{
    return QDir(folder.folder()).entryList(QDir::Files, QDir::Name).join(QStringLiteral(", "));
}

void describe(const PackageContent &content, const PackageFolder &folder, QTextStream &out, const QString &indent)
{
    bool ok = false;
    const int number = content.scheme->kind.toInt(&ok);
    const PackageKind *kind = ok ? kindByNumber(number) : nullptr;
    out << indent << "kind " << content.scheme->kind;
    if (kind)
        out << " " << kind->table << " (" << kind->header << ")";
    out << ", version " << content.scheme->version << ", "
        << (folder.contains(QStringLiteral("RECORD.ECD")) ? "scrambled" : "plain") << "\n";
    for (const QString &line : content.fileInfo)
        out << indent << "  " << line << "\n";
    out << indent << "columns (" << content.scheme->columns.size()
        << "): " << content.scheme->columns.join(QStringLiteral(",")) << "\n";
    out << indent << "rows: " << content.rows.size() << "\n";
    for (const QString &problem : content.problems)
        out << indent << "damaged: " << problem << "\n";
    out << indent << "members: " << memberNames(folder) << "\n";
}

// Unpacks `file` into the work folder `name` and reads it; nullopt when it cannot be one.
bool describeInner(const QString &label, const QString &file, const QString &appDir, QTextStream &out)
{
    const WorkFolder temp(appDir, kTempFolder);
    if (!temp.ready() || !sorvik::lzh::ExtractArchive(file, temp.path()))
        return false;
    const PackageFolder folder(temp.path());
    const PackageContent content = PackageContent::read(folder);
    out << label << ":\n";
    if (!content.scheme) {
        out << "  " << kNotAPackageMessage << "\n";
        return false;
    }
    describe(content, folder, out, QStringLiteral("  "));
    return true;
}

}  // namespace

std::optional<PackageSort> detectPackage(const QString &file, const QString &appDir)
{
    const WorkFolder outer(appDir, kUnitFolder);
    if (!outer.ready() || !sorvik::lzh::ExtractArchive(file, outer.path()))
        return std::nullopt;
    const PackageFolder folder(outer.path());
    if (isRoster(folder))
        return PackageSort{true, 2};
    const PackageContent content = PackageContent::read(folder);
    bool ok = false;
    const int kind = content.scheme ? content.scheme->kind.toInt(&ok) : 0;
    if (!ok) {
        MessageService::current().error(kNotAPackageMessage);
        return std::nullopt;
    }
    return PackageSort{false, kind};
}

bool listPackage(const QString &file, const QString &appDir, QTextStream &out)
{
    const WorkFolder outer(appDir, kUnitFolder);
    if (!outer.ready() || !sorvik::lzh::ExtractArchive(file, outer.path()))
        return false;
    const PackageFolder folder(outer.path());
    if (isRoster(folder)) {
        out << file << ": roster package\n";
        bool all = true;
        for (const QString &member : kRosterMembers) {
            if (folder.contains(member))
                all = describeInner(member, folder.path(member), appDir, out) && all;
        }
        return all;
    }
    const PackageContent content = PackageContent::read(folder);
    if (!content.scheme) {
        MessageService::current().error(kNotAPackageMessage);
        return false;
    }
    if (content.scheme->kind.trimmed() != QLatin1String("-1")) {
        out << file << ": package\n";
        describe(content, folder, out, QString());
        return true;
    }
    out << file << ": unit file, version " << content.scheme->version << "\n";
    for (const QString &line : content.fileInfo)
        out << "  " << line << "\n";
    out << "tables: " << content.scheme->columns.join(QStringLiteral(",")) << "\n";
    bool all = true;
    for (const QString &table : content.scheme->columns) {
        QString member = folder.path(table);
        if (member.isEmpty())
            member = folder.path(table + QStringLiteral(".LZH"));
        if (member.isEmpty()) {
            out << table << ": missing\n";
            all = false;
            continue;
        }
        all = describeInner(table, member, appDir, out) && all;
    }
    return all;
}
