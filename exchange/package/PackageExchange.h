#pragma once

#include "Durability.h"
#include "PackageDialogs.h"

#include <QDate>
#include <QString>
#include <QStringList>

class DataSet;
class TDataModule1;

namespace sorvik::package {

class PackageFolder;
struct PackageKind;

// Exchange packages and unit files: the writers and readers every export and import of
// the program goes through (editors' buttons, the roster, the main menu, the delete-all
// safety copy, the command-line tool).
//
// A package is an LZH archive of one table's rows: FILEINFO.TXT (the header the user
// sees), SCHEME (version, kind, columns, type letters, image columns) and RECORD (one
// line of comma text per row), plain or scrambled, with the image files the rows name. A
// unit file carries a whole project: its own FILEINFO and SCHEME and one scrambled
// package per table under the table's bare name.
//
// Context: the program's data module (one transaction; images through its store) and
// the application context: AppDir (the work folders "Temp", "EXT", "Work" under it are
// emptied before and after use; nothing else is written except the chosen file),
// CompanyName (FILEINFO), CurKojiCode, ImportGyoCode and ImportGyoName (where workers and
// qualifications are imported). Dialogs go through `dialogs`, messages through
// MessageService.
//
// Failures: every function returns false when it did not do its whole work, after the
// user was told why (the archiver's message, the database's message, or a fixed text).
// Imports validate the whole package before anything is stored; a package refused then
// changes nothing. ImportTable commits row by row and stops at a database error (rows
// before it stay); LoadUnit commits the whole unit or nothing.
class PackageExchange
{
public:
    PackageExchange(TDataModule1 &data, PackageDialogs &dialogs);

    // Writes a package of `kind` from `dataSet` (open, positioned by the caller) to
    // `target`. Kinds 0, 1, 6, 7 and 8 write the current record, the others every record.
    // The export dialog decides scrambling, except for kind 5 (never scrambled) and in
    // unit mode (always scrambled, no dialog). A package written into a work folder, to
    // be packed into another, need not wait for the disk (Durability).
    bool ExportTable(const QString &target, int kind, DataSet &dataSet, bool unitMode = false,
                     Durability durability = Durability::Synced);

    // Writes every row of project `kojiCode` as a unit file to `target`.
    bool UnloadUnit(const QString &kojiCode, const QString &target);

    // Imports the package `package` of `kind` (0–8). Kinds 0, 1, 6, 7 and 8 need the
    // importing editor's dataset; the rows overwrite its open record. True when the user
    // confirmed and every row was stored (kind 5 asks nothing).
    bool ImportTable(const QString &package, int kind, DataSet *editor = nullptr);

    // Loads the unit file `unitFile` as the new project `newKojiCode`.
    bool LoadUnit(const QString &newKojiCode, const QString &unitFile);

    // Inserts every row of one table package of a unit as belonging to `newKojiCode`,
    // without committing (LoadUnit commits or rolls back the whole unit).
    bool LoadUnitTable(const QString &tablePackage, int kind, const QString &newKojiCode);

    // The date written into FILEINFO; today unless set (tests fix it).
    void setToday(const QDate &date) { m_today = date; }

private:
    bool exportTable(const QString &target, int kind, DataSet &dataSet, bool unitMode, Durability durability,
                     QStringList &notes);
    bool loadUnitTable(const QString &tablePackage, const PackageKind &kind, const QString &newKojiCode,
                       QStringList &notes);
    bool loadUnitTables(const PackageFolder &unit, const QStringList &tables, const QString &newKojiCode,
                        QStringList &notes);
    // Shows the review's messages and the import dialog; accepted only when importable.
    ImportAnswer ask(const ImportReview &review);
    QDate today() const { return m_today.isValid() ? m_today : QDate::currentDate(); }

    TDataModule1 &m_data;
    PackageDialogs &m_dialogs;
    QDate m_today;
};

}  // namespace sorvik::package
