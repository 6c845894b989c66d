#pragma once

#include "ExchangeCommands.h"
#include "kit/EditorServices.h"

#include <QList>

// The windows an editor opens, answered from a script: each picker returns the next
// scripted choice (nothing when the script is used up) and records what it was asked;
// the exchange calls are counted and answered `exchangeSucceeds`.
class ScriptedEditorServices : public EditorServices
{
public:
    StaffChoice PickStaff(QWidget *) override { return staff.isEmpty() ? StaffChoice{} : staff.takeFirst(); }
    QString PickName(QWidget *, const QPoint &, int kind) override
    {
        nameKinds << kind;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    NameChoice PickNameChoice(QWidget *, const QPoint &topLeft, int kind) override
    {
        nameKinds << kind;
        namePlaces << topLeft;
        return nameChoices.isEmpty() ? NameChoice{} : nameChoices.takeFirst();
    }
    bool PickContractor(QWidget *, const QString &, const QString &, const QString &leaveOut,
                        ContractorChoice &choice) override
    {
        leaveOuts << leaveOut;
        if (contractors.isEmpty())
            return false;
        choice = contractors.takeFirst();
        return true;
    }
    WorkerQualificationChoice PickWorkerQualification(QWidget *, const QString &, const QString &,
                                                      const QString &) override
    {
        return workers.isEmpty() ? WorkerQualificationChoice{} : workers.takeFirst();
    }

    bool CanExchange() const override { return canExchange; }
    bool ExportRecord(QWidget *, const PackageRequest &request, DataSet &) override
    {
        exports << request;
        return exchangeSucceeds;
    }
    bool ImportRecord(QWidget *, const PackageRequest &request, DataSet &) override
    {
        imports << request;
        return exchangeSucceeds;
    }

    // The roster's package: counted, and run through the real exchange with the installed
    // package dialogs when `rosterExchange` is given.
    bool ExportRoster(QWidget *, const QString &kojiCode, const QString &gyoCode, const QString &name) override
    {
        rosterExports << kojiCode + QLatin1Char('/') + gyoCode + QLatin1Char(' ') + name;
        if (!rosterExchange)
            return exchangeSucceeds;
        sorvik::package::ExchangeCommands commands(*rosterExchange, sorvik::package::PackageDialogs::current());
        return commands.exportRoster(kojiCode, gyoCode, name);
    }
    bool ImportRoster(QWidget *, const QString &gyoCode, const QString &name,
                      const std::function<void()> &afterWorkers) override
    {
        rosterImports << gyoCode + QLatin1Char(' ') + name;
        if (!rosterExchange)
            return exchangeSucceeds;
        sorvik::package::ExchangeCommands commands(*rosterExchange, sorvik::package::PackageDialogs::current());
        return commands.importRoster(gyoCode, name, afterWorkers);
    }

    QList<StaffChoice> staff;
    QStringList names;
    QList<int> nameKinds;
    QList<NameChoice> nameChoices;
    QList<QPoint> namePlaces;
    QList<ContractorChoice> contractors;
    QStringList leaveOuts;
    QList<WorkerQualificationChoice> workers;
    bool canExchange = true;
    bool exchangeSucceeds = true;
    QList<PackageRequest> exports;
    QList<PackageRequest> imports;
    QStringList rosterExports;
    QStringList rosterImports;
    TDataModule1 *rosterExchange = nullptr;
};
