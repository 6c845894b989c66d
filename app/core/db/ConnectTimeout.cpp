#include "ConnectTimeout.h"

#include "Database.h"
#include "EngineLockFolder.h"

#include <algorithm>

namespace db {

namespace {

QString explanation(const QString &databaseName, std::chrono::milliseconds waited)
{
    const auto seconds = std::max<qint64>(1, (waited.count() + 999) / 1000);
    const QString first
        = QStringLiteral("データベース「%1」に %2 秒待っても接続できませんでした。").arg(databaseName).arg(seconds);
    if (Database::isServerName(databaseName))
        return first + QStringLiteral("\nサーバーが動いているか、ネットワークがつながっているかを確認してください。");
    return first
        + QStringLiteral("\nこのユーザーの別の Sorvik やツールが応答しないまま残っていないか確認してください。"
                         "\n（データベースエンジンのロックフォルダ: %1）")
              .arg(QString::fromStdString(sorvik::engineLockFolder()));
}

}  // namespace

ConnectTimeout::ConnectTimeout(const QString &databaseName, std::chrono::milliseconds waited)
    : Error(explanation(databaseName, waited))
{
}

}  // namespace db
