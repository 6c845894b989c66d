#include "ProjectDeletion.h"

#include "MaintenanceMessages.h"
#include "PackageExchange.h"
#include "PackageFiles.h"
#include "db/Error.h"
#include "db/StatementBatch.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"

#include <QDateTime>

using namespace MaintenanceMessages;

ProjectDeletion::ProjectDeletion(TDataModule1 &data, sorvik::package::PackageDialogs &dialogs)
    : m_data(data)
    , m_dialogs(dialogs)
{
}

QStringList ProjectDeletion::statements(const QString &kojiCode, bool alsoReusable)
{
    bool isNumber = false;
    const int code = kojiCode.trimmed().toInt(&isNumber);
    if (!isNumber)
        throw db::Error(QStringLiteral("工事コードが正しくありません: %1").arg(kojiCode));
    QStringList tables = {QStringLiteral("TAISEI"), QStringLiteral("TAIKEI"), QStringLiteral("DEZURA"),
                          QStringLiteral("D_CARRY"), QStringLiteral("D_KIKAI")};
    if (alsoReusable)
        tables << QStringLiteral("KOJI") << QStringLiteral("GYOSYA") << QStringLiteral("SAGYOIN")
               << QStringLiteral("INSIKAKU") << QStringLiteral("NMCARD") << QStringLiteral("CARRY")
               << QStringLiteral("KIKAI") << QStringLiteral("KOUGU");
    QStringList result;
    for (const QString &table : tables)
        result << QStringLiteral("Delete from %1 where KJCD = %2").arg(table).arg(code);
    return result;
}

ProjectDeletion::Outcome ProjectDeletion::run(const QString &kojiCode, const QString &projectName, bool alsoReusable)
{
    const QStringList sql = statements(kojiCode, alsoReusable);
    MessageService &messages = MessageService::current();
    if (!messages.question(ConfirmDeleteProject, Confirm))
        return {};
    Outcome outcome;
    outcome.safetyCopy = writeSafetyCopy(kojiCode, projectName);
    if (outcome.safetyCopy.isEmpty()
        && !messages.questionDefaultNo(SafetyCopyFailed.arg(projectName.trimmed()), Confirm))
        return {};
    if (!deleteRows(sql))
        return {};
    messages.information(ProjectDeleted);
    outcome.deleted = true;
    outcome.deletedCurrent = kojiCode == AppContext::Project().CurKojiCode();
    return outcome;
}

QString ProjectDeletion::writeSafetyCopy(const QString &kojiCode, const QString &projectName)
{
    const QString path
        = sorvik::package::safetyUnitPath(AppContext::instance().AppDir, projectName, QDateTime::currentDateTime());
    sorvik::package::PackageExchange exchange(m_data, m_dialogs);
    return exchange.UnloadUnit(kojiCode, path) ? path : QString();
}

bool ProjectDeletion::deleteRows(const QStringList &statements)
{
    try {
        db::commitAll(m_data.IBTransaction1, statements);
        return true;
    } catch (const db::Error &error) {
        MessageService::current().error(error.message());
        return false;
    }
}
