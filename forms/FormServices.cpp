#include "FormServices.h"

#include "pickers/TMeishoBox.h"

StaffChoice FormServices::PickStaff(QWidget *parent)
{
    return ::PickStaff(parent);
}

QString FormServices::PickName(QWidget *parent, const QPoint &topLeft, int kind)
{
    return ::PickName(topLeft.y(), topLeft.x(), kind, parent);
}

bool FormServices::PickContractor(QWidget *parent, const QString &kojiCode, const QString &preset,
                                  const QString &leaveOut, ContractorChoice &choice)
{
    return ::PickContractor(parent, kojiCode, preset, leaveOut, choice.kojiCode, choice.gyoCode, choice.name);
}

WorkerQualificationChoice FormServices::PickWorkerQualification(QWidget *parent, const QString &kojiCode,
                                                                const QString &gyoCode, const QString &kinds)
{
    return ::PickWorkerQualification(parent, kojiCode, gyoCode, kinds);
}

bool FormServices::ExportRecord(QWidget *parent, const PackageRequest &request, DataSet &record)
{
    return ExportDialog && ExportDialog(parent, request, record);
}

bool FormServices::ImportRecord(QWidget *parent, const PackageRequest &request, DataSet &record)
{
    return ImportDialog && ImportDialog(parent, request, record);
}
