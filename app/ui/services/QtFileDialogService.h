#pragma once

#include "FileDialogService.h"

// Qt's file dialogs over the active window.
class QtFileDialogService : public FileDialogService
{
public:
    QString openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;

    // A name typed without an extension gets the default one.
    static QString withDefaultExt(const QString &path, const QString &defaultExt);
};
