#pragma once

#include "PackageDialogs.h"

#include <QList>
#include <QStringList>

// The file dialogs of a maintenance command answered from a list (an empty list cancels);
// an import (a safety copy loaded back) is accepted.
class FileAnswers : public sorvik::package::PackageDialogs
{
public:
    // Installed as the program's dialogs while it lives.
    FileAnswers()
        : m_previous(install(this))
    {
    }
    ~FileAnswers() override { install(m_previous); }

    QStringList paths;
    QList<sorvik::package::FileRequest> requests;

    sorvik::package::ExportAnswer confirmExport(const QStringList &) override { return {}; }
    sorvik::package::ImportAnswer confirmImport(const sorvik::package::ImportReview &) override
    {
        return {true, false};
    }
    QString chooseOpenFile(const sorvik::package::FileRequest &request) override { return next(request); }
    QString chooseSaveFile(const sorvik::package::FileRequest &request) override { return next(request); }

private:
    QString next(const sorvik::package::FileRequest &request)
    {
        requests << request;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }

    sorvik::package::PackageDialogs *m_previous;
};
