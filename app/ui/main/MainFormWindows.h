#pragma once

#include "PrintRequest.h"

#include <QString>

class QWidget;

// The modal windows the main window opens. The program gives it the real windows; tests
// give scripted answers, so whole flows of the main window run without a person.
class MainFormWindows
{
public:
    struct ProjectChoice
    {
        QString code = QStringLiteral("0");  // "0" when nothing was chosen
        QString name;
    };
    struct ContractorChoice
    {
        QString kojiCode;
        QString gyoCode;
        QString name;
    };

    struct EditResult
    {
        bool posted = false;  // the editor wrote something
        QString code;         // the record's code after editing (a new record's code)
        QString name;         // the name it ended with
    };

    virtual ~MainFormWindows() = default;

    // The project editor on a project; "0" makes a new project.
    virtual EditResult editProject(QWidget *parent, const QString &kojiCode) = 0;

    // Project picker preset to `current`; a closed picker returns `current` unchanged.
    virtual ProjectChoice pickProject(QWidget *parent, const QString &current) = 0;
    // Contractor picker on a project, preset to `preset`; with `leaveOutPlaced` without
    // the contractors already placed in the construction system. False when closed
    // without a choice.
    virtual bool pickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, bool leaveOutPlaced,
                                ContractorChoice &choice)
        = 0;
    // The contractor editor on one contractor, or on a new one when `gyoCode` is empty;
    // `isPrime` marks the prime contractor.
    virtual EditResult editContractor(QWidget *parent, const QString &kojiCode, const QString &gyoCode, bool isPrime)
        = 0;
    // The settings window; `companyNameOnly` shows only the profile page and asks for the
    // company name.
    virtual void editSettings(QWidget *parent, bool companyNameOnly) = 0;
    // The staff master editor.
    virtual void editStaff(QWidget *parent) = 0;
    // The organisation chart editor of a project.
    virtual void editChart(QWidget *parent, const QString &kojiCode) = 0;
    // The worker roster of a project, on the contractor `gyoCode` (the first of the
    // construction system when it is not there); nothing opens without contractors.
    virtual void editWorkers(QWidget *parent, const QString &kojiCode, const QString &gyoCode) = 0;
    // The names master.
    virtual void editNames(QWidget *parent) = 0;
    // A report window, after the check it runs before it is shown.
    virtual void openPrintWindow(QWidget *parent, const PrintRequest &request) = 0;
};
