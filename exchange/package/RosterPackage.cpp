#include "RosterPackage.h"

#include "program/AppContext.h"
#include "ArchiveCommands.h"
#include "program/DataModule1.h"
#include "ImportReview.h"
#include "PackageExchange.h"
#include "PackageFolder.h"
#include "db/SqlText.h"
#include "WorkFolder.h"
#include "data/QueryDataSet.h"
#include "messages/MessageService.h"

namespace sorvik::package {

namespace {

const QString kWorkersMember = QStringLiteral("MEIBO1.LZH");
const QString kQualificationsMember = QStringLiteral("MEIBO2.LZH");

void setImportTarget(const QString &gyoCode, const QString &gyoName)
{
    AppContext::instance().ImportGyoCode = gyoCode;
    AppContext::instance().ImportGyoName = gyoName;
}

}  // namespace

RosterPackage::RosterPackage(PackageExchange &exchange, TDataModule1 &data)
    : m_exchange(exchange)
    , m_data(data)
{
}

bool RosterPackage::Export(const QString &target, const QString &kojiCode, const QString &gyoCode)
{
    const WorkFolder work(AppContext::instance().AppDir, kRosterFolder);
    if (!work.ready())
        return false;
    const QString koji = SqlIntOrNull(kojiCode);
    const QString gyo = SqlIntOrNull(gyoCode);
    QueryDataSet workers(m_data.IBTransaction1);
    workers.SetSQL(QStringLiteral("Select * from SAGYOIN where KJCD = ") + koji + QStringLiteral(" and GYOCD = ") + gyo
                   + QStringLiteral(" and SEL = 1"));
    workers.Open();
    if (workers.IsEmpty()) {
        MessageService::current().information(kNoMarkedWorkersMessage);
        return false;
    }
    if (!m_exchange.ExportTable(work.filePath(kWorkersMember), 2, workers, false, Durability::Scratch))
        return false;
    QueryDataSet qualifications(m_data.IBTransaction1);
    qualifications.SetSQL(QStringLiteral("Select I.* from INSIKAKU I, SAGYOIN S where I.KJCD = S.KJCD"
                                         " and I.GYOCD = S.GYOCD and I.INCD = S.INCD and S.KJCD = ")
                          + koji + QStringLiteral(" and S.GYOCD = ") + gyo
                          + QStringLiteral(" and S.SEL = 1 order by I.INCD"));
    qualifications.Open();
    return m_exchange.ExportTable(work.filePath(kQualificationsMember), 5, qualifications, false, Durability::Scratch)
        && lzh::CreateArchive(target, work.path());
}

bool RosterPackage::Import(const QString &file, const QString &gyoCode, const QString &gyoName,
                           const std::function<void()> &afterWorkers)
{
    const WorkFolder work(AppContext::instance().AppDir, kRosterFolder);
    if (!work.ready())
        return false;
    if (!lzh::ExtractArchive(file, work.path(), Durability::Scratch))
        return false;
    const PackageFolder members(work.path());
    if (!members.contains(kWorkersMember)) {
        MessageService::current().error(kNotAPackageMessage);
        return false;
    }
    setImportTarget(gyoCode, gyoName);
    if (!m_exchange.ImportTable(members.path(kWorkersMember), 2))
        return false;
    if (afterWorkers)
        afterWorkers();
    if (!members.contains(kQualificationsMember))
        return true;
    setImportTarget(gyoCode, gyoName);
    return m_exchange.ImportTable(members.path(kQualificationsMember), 5);
}

}  // namespace sorvik::package
