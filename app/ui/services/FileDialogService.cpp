#include "FileDialogService.h"

#include "QtFileDialogService.h"

namespace {

FileDialogService *installed = nullptr;

}  // namespace

FileDialogService::~FileDialogService() = default;

FileDialogService &FileDialogService::current()
{
    static QtFileDialogService qtDialogs;
    return installed ? *installed : qtDialogs;
}

FileDialogService *FileDialogService::install(FileDialogService *service)
{
    FileDialogService *previous = installed;
    installed = service;
    return previous;
}
