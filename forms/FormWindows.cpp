#include "FormWindows.h"

#include "services/ModalService.h"
#include "pickers/TGyoListForm.h"
#include "pickers/TKojiListForm.h"
#include "editors/TSyokuInfo.h"
#include "main/TSystemSetForm.h"
#include "PrintWindows.h"

MainFormWindows::ProjectChoice FormWindows::pickProject(QWidget *parent, const QString &current)
{
    TKojiListForm picker(parent);
    picker.KojiCode = current;
    ModalService::current().run(picker);
    return {picker.KojiCode, picker.KojiName};
}

bool FormWindows::pickContractor(QWidget *parent, const QString &kojiCode, const QString &preset,
                                 const QString &leaveOut, ContractorChoice &choice)
{
    return PickContractor(parent, kojiCode, preset, leaveOut, choice.kojiCode, choice.gyoCode, choice.name);
}

MainFormWindows::EditResult FormWindows::editProject(QWidget *, const QString &)
{
    return {};
}

MainFormWindows::EditResult FormWindows::editContractor(QWidget *, const QString &, const QString &, bool)
{
    return {};
}

void FormWindows::editSettings(QWidget *parent, bool companyNameOnly)
{
    TSystemSetForm settings(parent);
    if (companyNameOnly)
        settings.askCompanyNameOnly();
    ModalService::current().run(settings);
}

void FormWindows::editStaff(QWidget *parent)
{
    TSyokuInfo staff(parent);
    ModalService::current().run(staff);
}

void FormWindows::openPrintWindow(QWidget *parent, const PrintRequest &request)
{
    // WORKER EDITOR HOOK: the roster print opens the worker roster editor (TMeiboListForm)
    // on a double-clicked worker. That editor is not among these windows yet; when it is,
    // pass its opener here instead of none.
    PrintWindows::Open(parent, request, {});
}
