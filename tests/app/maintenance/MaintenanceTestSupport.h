#pragma once

#include "MaintenanceLog.h"
#include "PackageDialogs.h"

#include <QList>
#include <QStringList>

// The file dialogs of a maintenance command answered from a list (an empty list cancels);
// an import (a safety copy loaded back) is accepted.
class FileAnswers : public sorvik::package::PackageDialogs
{
public:
    QStringList paths;
    QList<sorvik::package::FileRequest> requests;

    sorvik::package::ExportAnswer confirmExport(const QStringList &) override { return {}; }
    sorvik::package::ImportAnswer confirmImport(const sorvik::package::ImportReview &) override { return {true, false}; }
    QString chooseOpenFile(const sorvik::package::FileRequest &request) override { return next(request); }
    QString chooseSaveFile(const sorvik::package::FileRequest &request) override { return next(request); }

private:
    QString next(const sorvik::package::FileRequest &request)
    {
        requests << request;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
};

// The progress memo as the test reads it.
class RecordedLog : public MaintenanceLog
{
public:
    QStringList lines;
    int begun = 0;
    int ended = 0;

    void begin() override
    {
        ++begun;
        lines.clear();
    }
    void line(const QString &text) override { lines << text; }
    void end() override { ++ended; }
};

// The thirteen tables a project's deletion empties, in the order it empties them.
inline const QStringList ProjectTables
    = {QStringLiteral("TAISEI"),  QStringLiteral("TAIKEI"), QStringLiteral("DEZURA"),  QStringLiteral("D_CARRY"),
       QStringLiteral("D_KIKAI"), QStringLiteral("KOJI"),   QStringLiteral("GYOSYA"),  QStringLiteral("SAGYOIN"),
       QStringLiteral("INSIKAKU"), QStringLiteral("NMCARD"), QStringLiteral("CARRY"),  QStringLiteral("KIKAI"),
       QStringLiteral("KOUGU")};

// One row in each of the thirteen tables for project `code`.
QStringList ProjectRows(int code, const QString &name);
