#include "QtPackageDialogs.h"

#include "TExportForm.h"
#include "TImportForm.h"
#include "services/FileDialogService.h"
#include "services/ModalService.h"

#include <QApplication>
#include <QCheckBox>

using namespace sorvik::package;

namespace {

FileDialogRequest dialogRequest(const FileRequest &request)
{
    FileDialogRequest dialog;
    dialog.title = request.title;
    dialog.filter = request.filter;
    dialog.filterIndex = request.filterIndex;
    dialog.defaultExt = request.defaultExt;
    dialog.fileName = request.fileName;
    dialog.overwritePrompt = request.overwritePrompt;
    dialog.fileMustExist = request.fileMustExist;
    return dialog;
}

}  // namespace

ExportAnswer QtPackageDialogs::confirmExport(const QStringList &fileInfo)
{
    TExportForm form(fileInfo, QApplication::activeWindow());
    const bool accepted = ModalService::current().run(form) == QDialog::Accepted;
    return {accepted, form.chkAngou->isChecked()};
}

ImportAnswer QtPackageDialogs::confirmImport(const ImportReview &review)
{
    TImportForm form(review, QApplication::activeWindow());
    ModalService::current().run(form);
    return {form.Accepted, form.Overwrite};
}

QString QtPackageDialogs::chooseOpenFile(const FileRequest &request)
{
    return FileDialogService::current().openFile(dialogRequest(request));
}

QString QtPackageDialogs::chooseSaveFile(const FileRequest &request)
{
    return FileDialogService::current().saveFile(dialogRequest(request));
}
