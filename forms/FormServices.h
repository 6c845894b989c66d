#pragma once

#include "kit/EditorServices.h"

class TDataModule1;

// The windows editors open, as the program shows them: the pickers, run through the
// installed ModalService, and the exchange through the program's package dialogs
// (sorvik::package::PackageDialogs::current()).
class FormServices : public EditorServices
{
public:
    explicit FormServices(TDataModule1 &data)
        : m_data(data)
    {
    }

    StaffChoice PickStaff(QWidget *parent) override;
    QString PickName(QWidget *parent, const QPoint &topLeft, int kind) override;
    NameChoice PickNameChoice(QWidget *parent, const QPoint &topLeft, int kind) override;
    bool PickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, const QString &leaveOut,
                        ContractorChoice &choice) override;
    WorkerQualificationChoice PickWorkerQualification(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                                                      const QString &kinds) override;
    bool ExportRecord(QWidget *parent, const PackageRequest &request, DataSet &record) override;
    bool ImportRecord(QWidget *parent, const PackageRequest &request, DataSet &record) override;
    bool ExportRoster(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                      const QString &contractorName) override;
    bool ImportRoster(QWidget *parent, const QString &gyoCode, const QString &contractorName,
                      const std::function<void()> &afterWorkers) override;

private:
    TDataModule1 &m_data;
};
