#include "FormServices.h"

#include "ExchangeCommands.h"
#include "pickers/TMeishoBox.h"

StaffChoice FormServices::PickStaff(QWidget *parent)
{
    return ::PickStaff(parent);
}

QString FormServices::PickName(QWidget *parent, const QPoint &topLeft, int kind)
{
    return ::PickName(topLeft.y(), topLeft.x(), kind, parent);
}

NameChoice FormServices::PickNameChoice(QWidget *parent, const QPoint &topLeft, int kind)
{
    return ::PickNameChoice(topLeft.y(), topLeft.x(), kind, parent);
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

bool FormServices::ExportRecord(QWidget *, const PackageRequest &request, DataSet &record)
{
    using namespace sorvik::package;
    return ExchangeCommands(m_data, PackageDialogs::current()).exportRecord(request.kind, record, request.name);
}

bool FormServices::ImportRecord(QWidget *, const PackageRequest &request, DataSet &record)
{
    using namespace sorvik::package;
    return ExchangeCommands(m_data, PackageDialogs::current()).importRecord(request.kind, record, request.gyoCode);
}

bool FormServices::ExportRoster(QWidget *, const QString &kojiCode, const QString &gyoCode,
                                const QString &contractorName)
{
    using namespace sorvik::package;
    return ExchangeCommands(m_data, PackageDialogs::current()).exportRoster(kojiCode, gyoCode, contractorName);
}

bool FormServices::ImportRoster(QWidget *, const QString &gyoCode, const QString &contractorName,
                                const std::function<void()> &afterWorkers)
{
    using namespace sorvik::package;
    return ExchangeCommands(m_data, PackageDialogs::current()).importRoster(gyoCode, contractorName, afterWorkers);
}
