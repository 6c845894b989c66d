#pragma once

#include <QString>

// The fixed texts the main window and its construction-system tree show.
namespace MainMessages {
inline const QString NoProject = QStringLiteral("工事情報が有りません");
inline const QString FirstUse
    = QStringLiteral("最初は工事情報の新規作成から始めます。（事前にマスタ登録が有れば設定します）");
inline const QString SelectOrderer = QStringLiteral("発注業者を選択してください");
inline const QString SelectToRemove = QStringLiteral("取り外す業者を選択してください");
inline const QString LevelAboveRelative = QStringLiteral("追加するノードが指定ノードの前の階層なんておかしい");
inline const QString RemoveQuestionSuffix = QStringLiteral("以下を体制図から外します");
inline const QString RemoveQuestionTitle = QStringLiteral("体制図から消去");
inline const QString NetworkConnection = QStringLiteral("サーバーとネットワーク接続しています。");
inline const QString UnitLoaded
    = QStringLiteral("ロードしたファイルの工事で新規に作成し、関連データを全て取り込みました。");
}  // namespace MainMessages
