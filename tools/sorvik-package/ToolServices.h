#pragma once

#include "PackageDialogs.h"
#include "messages/MessageService.h"

#include <QStringList>
#include <QTextStream>

// What the windows would ask, answered from the command line: the export dialog is
// confirmed (plain when asked for), the import dialog accepted when the package is
// importable (overwriting when asked for); there is no file dialog.
class ToolDialogs : public sorvik::package::PackageDialogs
{
public:
    ToolDialogs(bool plain, bool overwrite)
        : m_plain(plain)
        , m_overwrite(overwrite)
    {
    }

    sorvik::package::ExportAnswer confirmExport(const QStringList &fileInfo) override;
    sorvik::package::ImportAnswer confirmImport(const sorvik::package::ImportReview &review) override;
    QString chooseOpenFile(const sorvik::package::FileRequest &) override { return {}; }
    QString chooseSaveFile(const sorvik::package::FileRequest &) override { return {}; }

private:
    bool m_plain;
    bool m_overwrite;
};

// Collects what the program would show in message boxes. A failed command reports one
// line, the first error (or, without one, the first warning); a successful one reports its
// warnings. Questions are answered no. Installed for its lifetime.
class ToolMessages : public MessageService
{
public:
    ToolMessages();
    ~ToolMessages() override;

    void information(const QString &text, const QString &caption = {}) override;
    void warning(const QString &text, const QString &caption = {}) override;
    void error(const QString &text, const QString &caption = {}) override;
    bool question(const QString &text, const QString &caption = {}) override;

    // Writes the report for a command that ended with `exitCode` and returns the code.
    int finish(int exitCode, QTextStream &err, const QString &fallback) const;

private:
    MessageService *m_previous;
    QStringList m_errors;
    QStringList m_warnings;
};
