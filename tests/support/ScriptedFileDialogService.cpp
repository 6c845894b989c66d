#include "ScriptedFileDialogService.h"

ScriptedFileDialogService::ScriptedFileDialogService()
    : m_previous(FileDialogService::install(this))
{
}

ScriptedFileDialogService::~ScriptedFileDialogService()
{
    FileDialogService::install(m_previous);
}

QString ScriptedFileDialogService::next(bool save, const FileDialogRequest &request)
{
    m_asked << Asked{save, request};
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

QString ScriptedFileDialogService::openFile(const FileDialogRequest &request)
{
    return next(false, request);
}

QString ScriptedFileDialogService::saveFile(const FileDialogRequest &request)
{
    return next(true, request);
}
