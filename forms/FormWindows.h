#pragma once

#include "FormServices.h"
#include "data/ImageStore.h"
#include "kit/EditorContext.h"
#include "main/MainFormWindows.h"

#include <memory>

class TDataModule1;
class TEquipmentEditor;

// The main window's modal windows as the program shows them: the pickers, the settings
// window, the editors and the report windows, each run through the installed
// ModalService. It holds the context every editor is handed: the data module's
// transaction and image store, the current project, the configuration and the real
// pickers.
class FormWindows : public MainFormWindows
{
public:
    explicit FormWindows(TDataModule1 &data);

    ProjectChoice pickProject(QWidget *parent, const QString &current) override;
    bool pickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, bool leaveOutPlaced,
                        ContractorChoice &choice) override;
    EditResult editProject(QWidget *parent, const QString &kojiCode) override;
    EditResult editContractor(QWidget *parent, const QString &kojiCode, const QString &gyoCode, bool isPrime) override;
    void editSettings(QWidget *parent, bool companyNameOnly) override;
    void editStaff(QWidget *parent) override;
    void editChart(QWidget *parent, const QString &kojiCode) override;
    void editWorkers(QWidget *parent, const QString &kojiCode, const QString &gyoCode) override;
    void editNames(QWidget *parent) override;
    // The worker roster as editWorkers opens it, moved to the worker `workerCode` when
    // given (the roster print opens it on a worker).
    void EditWorkers(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &workerCode);
    void openPrintWindow(QWidget *parent, const PrintRequest &request) override;

    // The vehicle, machine and tool editors, opened by the notification list on the
    // record `code` of a contractor, or on a new record when `code` is empty. StartMode 1
    // imports a package into the record at once, 2 exports it. The result is the
    // record's code, empty when a new record was not stored.
    QString editVehicle(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &code,
                        int startMode = 0);
    QString editMachine(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &code,
                        int startMode = 0);
    QString editTools(QWidget *parent, const QString &kojiCode, const QString &gyoCode, const QString &code,
                      int startMode = 0);

    FormServices &services() { return m_services; }
    // Made when the first editor opens, from the started data module.
    const EditorContext &editorContext();

private:
    static QString runEquipmentEditor(TEquipmentEditor &editor, const QString &kojiCode, const QString &gyoCode,
                                      const QString &code, int startMode);

    TDataModule1 &m_data;
    ImageStore m_images;
    FormServices m_services;
    std::unique_ptr<EditorContext> m_context;
};
