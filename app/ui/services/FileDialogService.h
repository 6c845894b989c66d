#pragma once

#include <QString>

// What an open or save dialog is asked: the program's windows describe it as the
// Windows dialogs were described, and the installed service shows it.
struct FileDialogRequest
{
    QString title;
    QString filter;       // "EXPファイル|*.LZH|工事EXPファイル|工事*.LZH"
    int filterIndex = 1;  // 1-based: the filter chosen when the dialog opens
    QString defaultExt;   // "LZH": appended when the user types a name without one
    QString fileName;     // proposed name (save) or preselected file
    QString initialDir;
    bool overwritePrompt = false;  // save: ask before replacing a file
    bool fileMustExist = false;    // open: only existing files
};

// File open and save dialogs go through the installed service so that tests answer
// them. The program installs QtFileDialogService at start; tests a scripted service.
class FileDialogService
{
public:
    virtual ~FileDialogService();

    // The chosen path, or empty when the user cancelled.
    virtual QString openFile(const FileDialogRequest &request) = 0;
    virtual QString saveFile(const FileDialogRequest &request) = 0;

    // The installed service; QtFileDialogService when none was installed.
    static FileDialogService &current();
    // Installs `service` (not owned; nullptr goes back to the Qt dialogs) and returns the
    // previous one.
    static FileDialogService *install(FileDialogService *service);
};
