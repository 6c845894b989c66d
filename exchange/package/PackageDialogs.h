#pragma once

#include "ImportReview.h"

#include <QString>
#include <QStringList>

namespace sorvik::package {

// The export dialog's answer: whether "作成する" was pressed, and the state of the box
// "2006年版 より前のバージョンに提出の場合" (checked: the package is written plain).
struct ExportAnswer
{
    bool accepted = false;
    bool forOlderVersion = false;
};

// The import dialog's answer: whether "取り込む" was pressed, and the overwrite box's
// state at that moment.
struct ImportAnswer
{
    bool accepted = false;
    bool overwrite = false;
};

// An open or save dialog as the program describes it (Windows-style filters).
struct FileRequest
{
    QString title;
    QString filter;       // "EXPファイル|*.LZH|職員EXPファイル|職員*.LZH"
    int filterIndex = 1;  // 1-based
    QString defaultExt;   // "LZH"
    QString fileName;     // the name proposed
    bool overwritePrompt = false;
    bool fileMustExist = false;
};

// Everything the exchange asks the user besides plain messages and questions (those go
// through MessageService). The windows implement it with the export dialog, the import
// dialog and the file dialogs; tests and the command-line tool answer it themselves.
// The program installs its implementation at start, so that any window reaches the
// exchange through current().
class PackageDialogs
{
public:
    virtual ~PackageDialogs();

    // The installed dialogs; without any, every dialog is cancelled (nothing is written
    // or imported), which is the safe answer for a program without windows.
    static PackageDialogs &current();
    // Installs `dialogs` (not owned; nullptr goes back to cancelling) and returns the
    // previous ones.
    static PackageDialogs *install(PackageDialogs *dialogs);

    // The export dialog "データを作成する" showing the FILEINFO lines.
    virtual ExportAnswer confirmExport(const QStringList &fileInfo) = 0;
    // The import dialog "データを取り込む" as `review` describes it. A review that is not
    // importable can only be cancelled.
    virtual ImportAnswer confirmImport(const ImportReview &review) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString chooseOpenFile(const FileRequest &request) = 0;
    virtual QString chooseSaveFile(const FileRequest &request) = 0;
};

}  // namespace sorvik::package
