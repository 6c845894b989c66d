#pragma once

#include "PackageDialogs.h"

// The exchange's dialogs as the program shows them: TExportForm and TImportForm through
// the installed ModalService, the open and save dialogs through the installed
// FileDialogService, each over the active window. The program installs one at start
// (PackageDialogs::install); how an editor's buttons then reach the exchange is written
// in ExchangeCommands.h.
class QtPackageDialogs : public sorvik::package::PackageDialogs
{
public:
    sorvik::package::ExportAnswer confirmExport(const QStringList &fileInfo) override;
    sorvik::package::ImportAnswer confirmImport(const sorvik::package::ImportReview &review) override;
    QString chooseOpenFile(const sorvik::package::FileRequest &request) override;
    QString chooseSaveFile(const sorvik::package::FileRequest &request) override;
};
