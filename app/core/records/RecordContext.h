#pragma once

#include <QDate>
#include <QString>
#include <functional>

class CurrentProject;
class ImageStore;
class IniFile;

namespace db {
class Transaction;
}

// What an editor and its rules work with, handed to them by whoever opens the editor:
// the program's transaction, the image store on it with the root of the folder images
// are shown from, the current project, the configuration, and the dates (the main window's work
// date, today). Nothing in an editor reaches for the data module or the globals itself.
struct RecordContext
{
    db::Transaction &Transaction;
    ImageStore &Images;
    CurrentProject &Project;
    IniFile &Settings;
    QString ImageRoot;  // with a trailing '/'; images are shown from its folder "image"
    std::function<QDate()> WorkDate;
    std::function<QDate()> Today = [] { return QDate::currentDate(); };
};
