#include "PackageDialogs.h"

namespace sorvik::package {

namespace {

class CancelledDialogs : public PackageDialogs
{
public:
    ExportAnswer confirmExport(const QStringList &) override { return {}; }
    ImportAnswer confirmImport(const ImportReview &) override { return {}; }
    QString chooseOpenFile(const FileRequest &) override { return {}; }
    QString chooseSaveFile(const FileRequest &) override { return {}; }
};

CancelledDialogs cancelled;
PackageDialogs *installed = nullptr;

}  // namespace

PackageDialogs::~PackageDialogs() = default;

PackageDialogs &PackageDialogs::current()
{
    return installed ? *installed : static_cast<PackageDialogs &>(cancelled);
}

PackageDialogs *PackageDialogs::install(PackageDialogs *dialogs)
{
    PackageDialogs *previous = installed;
    installed = dialogs;
    return previous;
}

}  // namespace sorvik::package
