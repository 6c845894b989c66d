#pragma once

#include "PackageDialogs.h"
#include "PackageExchange.h"
#include "RosterPackage.h"

#include <QString>

#include <functional>

class DataSet;
class TDataModule1;

namespace sorvik::package {

// The exchange as the windows offer it: each entry point asks for the file, runs the
// export or import and tells the user what the program tells on that road. A window's
// button or menu item calls one of these and refreshes itself afterwards; every dialog
// goes through PackageDialogs and every message through MessageService.
//
// An editor's export and import buttons, each one call inside the button's handler (a
// database error then reaches the program's handler, which shows it):
//
//   ExchangeCommands commands(*TDataModule1::instance(), PackageDialogs::current());
//   project (0):     commands.exportRecord(0, *IBTable1, KJNM);
//                    commands.importRecord(0, *IBTable1, {});  // record overwritten, not posted
//   contractor (1):  commands.exportRecord(1, *IBTable1, CPNM);  // with its seven images
//                    commands.importRecord(1, *IBTable1, GyoCode);  // then redisplay the images
//   roster (2, 5):   commands.exportRoster(KojiCode, gyoCode, contractorCaption);
//                    commands.importRoster(gyoCode, contractorCaption, [&] { IBTable1->Refresh(); });
//   vehicle (6), machine (7), tool (8):
//                    commands.exportRecord(6, *IBTable1, name);  // "車両_" + name + "_yymmdd.LZH"
//                    commands.importRecord(6, *IBTable1, GyoCode);
//
// Each returns whether it did its whole work; the user has already been told why not.
class ExchangeCommands
{
public:
    ExchangeCommands(TDataModule1 &data, PackageDialogs &dialogs);

    PackageExchange &exchange() { return m_exchange; }

    // Editors (project 0, contractor 1, vehicle 6, machine 7, tool 8). `name` goes into the
    // proposed file name; `gyoCode` is the editor's contractor, the import's target.
    bool exportRecord(int kind, DataSet &record, const QString &name);
    bool importRecord(int kind, DataSet &editor, const QString &gyoCode);

    // The worker roster of one contractor.
    bool exportRoster(const QString &kojiCode, const QString &gyoCode, const QString &contractorName);
    bool importRoster(const QString &gyoCode, const QString &contractorName,
                      const std::function<void()> &afterWorkers = {});

    // Main menu: the staff and names masters.
    bool exportStaff();
    bool exportNames();
    bool importStaff();
    bool importNames();

    // Main menu: the current project as a unit file, and a unit file as a new project.
    // `makeCurrent` receives the new project's code before the user is told it is loaded;
    // the result is that code, or empty when nothing was loaded.
    bool unloadUnit();
    QString loadNewUnit(const std::function<void(const QString &)> &makeCurrent = {});

private:
    bool exportQuery(const FileRequest &request, int kind, const QString &sql);

    TDataModule1 &m_data;
    PackageDialogs &m_dialogs;
    PackageExchange m_exchange;
    RosterPackage m_roster;
};

inline const QString kUnitLoadedMessage
    = QStringLiteral("ロードしたファイルの工事で新規に作成し、関連データを全て取り込みました。");

}  // namespace sorvik::package
