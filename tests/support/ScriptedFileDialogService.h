#pragma once

#include "services/FileDialogService.h"

#include <QList>
#include <QStringList>

// A FileDialogService for tests: records every request and answers with the scripted
// paths in order (an empty path is a cancel; a dialog beyond the script is cancelled).
// It installs itself for its lifetime and puts the previous service back after.
class ScriptedFileDialogService : public FileDialogService
{
public:
    ScriptedFileDialogService();
    ~ScriptedFileDialogService() override;

    void answer(const QString &path) { m_answers << path; }

    QString openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;

    struct Asked
    {
        bool save;
        FileDialogRequest request;
    };
    const QList<Asked> &asked() const { return m_asked; }

private:
    QString next(bool save, const FileDialogRequest &request);

    FileDialogService *m_previous;
    QStringList m_answers;
    QList<Asked> m_asked;
};
