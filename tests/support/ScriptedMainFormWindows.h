#pragma once

#include "main/MainFormWindows.h"

#include <QList>
#include <QStringList>

// Answers the main window's modal windows from a script and records what they were given.
class ScriptedMainFormWindows : public MainFormWindows
{
public:
    struct ContractorRequest
    {
        QString kojiCode;
        QString preset;
        bool leaveOutPlaced = false;
    };

    ProjectChoice pickProject(QWidget *, const QString &current) override
    {
        projectRequests << current;
        if (projectAnswers.isEmpty())
            return {current, {}};
        return projectAnswers.takeFirst();
    }

    bool pickContractor(QWidget *, const QString &kojiCode, const QString &preset, bool leaveOutPlaced,
                        ContractorChoice &choice) override
    {
        contractorRequests << ContractorRequest{kojiCode, preset, leaveOutPlaced};
        if (contractorAnswers.isEmpty())
            return false;
        choice = contractorAnswers.takeFirst();
        return true;
    }

    EditResult editProject(QWidget *, const QString &kojiCode) override
    {
        editedProjects << kojiCode;
        return editAnswers.isEmpty() ? EditResult{} : editAnswers.takeFirst();
    }

    EditResult editContractor(QWidget *, const QString &kojiCode, const QString &gyoCode, bool isPrime) override
    {
        editedContractors << kojiCode + QLatin1Char('/') + gyoCode + (isPrime ? QStringLiteral(" prime") : QString());
        return editAnswers.isEmpty() ? EditResult{} : editAnswers.takeFirst();
    }

    void editSettings(QWidget *, bool companyNameOnly) override { settingsRequests << companyNameOnly; }
    void editStaff(QWidget *) override { ++staffRequests; }
    void editChart(QWidget *, const QString &kojiCode) override { chartRequests << kojiCode; }
    void editWorkers(QWidget *, const QString &kojiCode, const QString &gyoCode) override
    {
        editedRosters << kojiCode + QLatin1Char('/') + gyoCode;
    }
    void editNames(QWidget *) override { ++namesRequests; }
    void openPrintWindow(QWidget *, const PrintRequest &request) override { printRequests << request; }

    QList<ProjectChoice> projectAnswers;
    QList<ContractorChoice> contractorAnswers;
    QList<EditResult> editAnswers;  // what the next editors report, in order
    QStringList editedProjects;
    QStringList projectRequests;
    QList<ContractorRequest> contractorRequests;
    QStringList editedContractors;
    QList<bool> settingsRequests;
    int staffRequests = 0;
    QStringList chartRequests;
    QStringList editedRosters;
    int namesRequests = 0;
    QList<PrintRequest> printRequests;
};
