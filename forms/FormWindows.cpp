#include "FormWindows.h"

#include "TTaikeizuForm.h"
#include "editors/TCarryInfoForm.h"
#include "editors/TGyoInfoForm.h"
#include "editors/TKikaiInfoForm.h"
#include "editors/TKojiInfoForm.h"
#include "editors/TKouguInfoForm.h"
#include "editors/TMeiboListForm.h"
#include "editors/TSikakuForm.h"
#include "editors/TSyokuInfo.h"
#include "main/TSystemSetForm.h"
#include "PrintWindows.h"
#include "pickers/TGyoListForm.h"
#include "pickers/TKojiListForm.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "services/ModalService.h"

#include <QApplication>

FormWindows::FormWindows(TDataModule1 &data)
    : m_data(data)
    , m_images(data.IBTransaction1)
    , m_services(data)
{
}

const EditorContext &FormWindows::editorContext()
{
    if (!m_context) {
        const AppContext &context = AppContext::instance();
        m_context = std::make_unique<EditorContext>(
            EditorContext{{m_data.IBTransaction1, m_images, AppContext::Project(), *m_data.iniFile, context.ImageRoot,
                           [] { return AppContext::instance().WorkDate; }},
                          m_services});
    }
    return *m_context;
}

MainFormWindows::ProjectChoice FormWindows::pickProject(QWidget *parent, const QString &current)
{
    TKojiListForm picker(parent);
    picker.KojiCode = current;
    ModalService::current().run(picker);
    return {picker.KojiCode, picker.KojiName};
}

bool FormWindows::pickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, bool leaveOutPlaced,
                                 ContractorChoice &choice)
{
    return PickContractor(parent, kojiCode, preset, {}, choice.kojiCode, choice.gyoCode, choice.name, leaveOutPlaced);
}

MainFormWindows::EditResult FormWindows::editProject(QWidget *parent, const QString &kojiCode)
{
    TKojiInfoForm project(editorContext(), parent);
    project.KojiCode = kojiCode;
    ModalService::current().run(project);
    return {project.Posted, project.KojiCode, {}};
}

MainFormWindows::EditResult FormWindows::editContractor(QWidget *parent, const QString &kojiCode,
                                                        const QString &gyoCode, bool isPrime)
{
    TGyoInfoForm contractor(editorContext(), parent);
    contractor.KojiCode = kojiCode;
    contractor.GyoCode = gyoCode;
    contractor.IsPrime = isPrime;
    ModalService::current().run(contractor);
    return {contractor.Posted, contractor.GyoCode, contractor.GyoName};
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
    TSyokuInfo staff(editorContext(), parent);
    ModalService::current().run(staff);
}

void FormWindows::editWorkers(QWidget *parent, const QString &kojiCode, const QString &gyoCode)
{
    EditWorkers(parent, kojiCode, gyoCode, {});
}

void FormWindows::EditWorkers(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                              const QString &workerCode)
{
    TMeiboListForm roster(editorContext(), parent);
    roster.KojiCode = kojiCode;
    roster.KojiName = AppContext::Project().CurKojiName();
    if (!roster.LoadContractorList())
        return;
    roster.SelectContractor(gyoCode);
    if (!workerCode.isEmpty())
        roster.LocateWorker(workerCode);
    ModalService::current().run(roster);
}

void FormWindows::editNames(QWidget *parent)
{
    EditNamesMaster(editorContext(), parent);
}

QString FormWindows::runEquipmentEditor(TEquipmentEditor &editor, const QString &kojiCode, const QString &gyoCode,
                                        const QString &code, int startMode)
{
    editor.KojiCode = kojiCode;
    editor.GyoCode = gyoCode;
    editor.RecordCode = code;
    editor.StartMode = startMode;
    ModalService::current().run(editor);
    return editor.NewRecord() ? QString() : editor.RecordCode;
}

QString FormWindows::editVehicle(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &code,
                                 int startMode)
{
    TCarryInfoForm editor(editorContext(), parent);
    return runEquipmentEditor(editor, kojiCode, gyoCode, code, startMode);
}

QString FormWindows::editMachine(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &code,
                                 int startMode)
{
    TKikaiInfoForm editor(editorContext(), parent);
    return runEquipmentEditor(editor, kojiCode, gyoCode, code, startMode);
}

QString FormWindows::editTools(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &code,
                               int startMode)
{
    TKouguInfoForm editor(editorContext(), parent);
    return runEquipmentEditor(editor, kojiCode, gyoCode, code, startMode);
}

void FormWindows::editChart(QWidget *parent, const QString &kojiCode)
{
    TTaikeizuForm chart(editorContext(), parent);
    chart.ProjectCode = kojiCode;
    ModalService::current().run(chart);
}

void FormWindows::openPrintWindow(QWidget *parent, const PrintRequest &request)
{
    using sorvik::documents::EquipmentKind;
    const auto editEquipment = [this](QWidget *owner, EquipmentKind kind, const QString &kojiCode,
                                      const QString &gyoCode, const QString &code, int startMode) {
        switch (kind) {
        case EquipmentKind::Vehicle:
            return editVehicle(owner, kojiCode, gyoCode, code, startMode);
        case EquipmentKind::Machine:
            return editMachine(owner, kojiCode, gyoCode, code, startMode);
        case EquipmentKind::Tool:
            break;
        }
        return editTools(owner, kojiCode, gyoCode, code, startMode);
    };
    // The roster opens over the print window the worker was double-clicked in.
    PrintWindows::Open(
        parent, request,
        [this, parent](const QString &kojiCode, const QString &gyoCode, const QString &workerCode) {
            QWidget *printWindow = QApplication::activeModalWidget();
            EditWorkers(printWindow ? printWindow : parent, kojiCode, gyoCode, workerCode);
        },
        editEquipment);
}
