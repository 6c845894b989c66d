#pragma once

#include "main/MainFormWindows.h"

// The main window's modal windows as the program shows them: the pickers, the settings
// window, the staff master and the report windows, each run through the installed
// ModalService.
class FormWindows : public MainFormWindows
{
public:
    ProjectChoice pickProject(QWidget *parent, const QString &current) override;
    bool pickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, const QString &leaveOut,
                        ContractorChoice &choice) override;
    // The project and contractor editors are windows still to come; until they are added
    // here these open nothing and report that nothing was written.
    EditResult editProject(QWidget *parent, const QString &kojiCode) override;
    EditResult editContractor(QWidget *parent, const QString &kojiCode, const QString &gyoCode, bool isPrime) override;
    void editSettings(QWidget *parent, bool companyNameOnly) override;
    void editStaff(QWidget *parent) override;
    void openPrintWindow(QWidget *parent, const PrintRequest &request) override;
};
