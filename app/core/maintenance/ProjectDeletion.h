#pragma once

#include <QString>
#include <QStringList>

class TDataModule1;

namespace sorvik::package {
class PackageDialogs;
}

// Deleting everything one project holds (main menu 指定工事の全情報削除). After the
// user confirms, the project is first unloaded as a unit file beside the program (the
// safety copy); when that fails the user is told and asked again, "no" being the
// default. Then the construction system, charts and daily records (TAISEI, TAIKEI,
// DEZURA, D_CARRY, D_KIKAI) go, and with `alsoReusable` the project itself and what could
// be reused elsewhere (KOJI, GYOSYA, SAGYOIN, INSIKAKU, NMCARD, CARRY, KIKAI, KOUGU), in
// this order, in one commit: a failing statement rolls back all of them and shows the
// database's message.
class ProjectDeletion
{
public:
    struct Outcome
    {
        bool deleted = false;
        bool deletedCurrent = false;  // the project was the current one
        QString safetyCopy;           // the unit file written, empty when none was
    };

    ProjectDeletion(TDataModule1 &data, sorvik::package::PackageDialogs &dialogs);

    Outcome run(const QString &kojiCode, const QString &projectName, bool alsoReusable);

    // The statements for project `kojiCode` (a number), in the order they run.
    static QStringList statements(const QString &kojiCode, bool alsoReusable);

private:
    QString writeSafetyCopy(const QString &kojiCode, const QString &projectName);
    bool deleteRows(const QStringList &statements);

    TDataModule1 &m_data;
    sorvik::package::PackageDialogs &m_dialogs;
};
