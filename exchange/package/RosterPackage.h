#pragma once

#include <QString>

#include <functional>

class TDataModule1;

namespace sorvik::package {

class PackageExchange;

// The worker roster's package: an archive of two packages, MEIBO1.LZH (the marked
// workers of one contractor, kind 2) and MEIBO2.LZH (their qualifications, kind 5),
// assembled and unpacked in the work folder "Work".
class RosterPackage
{
public:
    RosterPackage(PackageExchange &exchange, TDataModule1 &data);

    // Writes the workers of project `kojiCode` and contractor `gyoCode` whose selection
    // mark is set, with their qualifications, to `target`. Without marked workers the user
    // is told how to mark them and nothing is written.
    bool Export(const QString &target, const QString &kojiCode, const QString &gyoCode);

    // Imports the roster package `file` into contractor `gyoCode` of the current project,
    // shown to the user as `gyoName`: the workers, then, when the user confirmed them,
    // their qualifications. `afterWorkers` runs in between (the roster refreshes).
    bool Import(const QString &file, const QString &gyoCode, const QString &gyoName,
                const std::function<void()> &afterWorkers = {});

private:
    PackageExchange &m_exchange;
    TDataModule1 &m_data;
};

inline const QString kNoMarkedWorkersMessage
    = QStringLiteral("選択レコードがありません。（選択は一覧の左チェックボックスです）");

}  // namespace sorvik::package
