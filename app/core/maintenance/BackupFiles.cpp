#include "BackupFiles.h"

#include "MaintenanceMessages.h"
#include "PackageFiles.h"
#include "db/Database.h"
#include "messages/MessageService.h"

namespace BackupFiles {

sorvik::package::FileRequest saveRequest(const QDate &today)
{
    sorvik::package::FileRequest request;
    request.filter = QStringLiteral("バックアップファイル|SorvikDB*.LZH");
    request.defaultExt = QStringLiteral("LZH");
    request.fileName
        = QStringLiteral("SorvikDBバックアップ_") + today.toString(QStringLiteral("yyMMdd")) + QStringLiteral(".LZH");
    request.overwritePrompt = true;
    return request;
}

sorvik::package::FileRequest openRequest()
{
    sorvik::package::FileRequest request;
    request.filter = sorvik::package::kMainOpenFilter;
    request.filterIndex = 4;
    request.defaultExt = QStringLiteral("LZH");
    request.fileMustExist = true;
    return request;
}

bool refusedAsNetworkDatabase(const QString &databaseName)
{
    if (db::Database::isLocalName(databaseName))
        return false;
    MessageService::current().information(MaintenanceMessages::NetworkDatabase);
    return true;
}

}  // namespace BackupFiles
