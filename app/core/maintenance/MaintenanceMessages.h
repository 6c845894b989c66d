#pragma once

#include <QString>

// The texts of the maintenance commands.
namespace MaintenanceMessages {

inline const QString Confirm = QStringLiteral("確認");

inline const QString ConfirmDeleteProject = QStringLiteral("この工事のデータを削除します。よろしいですか？");
inline const QString ProjectDeleted = QStringLiteral("関連工事情報　削除しました");
inline const QString SafetyCopyFailed
    = QStringLiteral("削除前の控え（ユニットファイル）を作成できませんでした。\n\r%1\n\r控えなしで削除しますか？");

inline const QString NetworkDatabase
    = QStringLiteral("ネットワーク接続の場合はデータベースの専用ツールで行って下さい。");
inline const QString DatabaseSettings = QStringLiteral("データベース設定");
inline const QString BackupStarted = QStringLiteral("バックアップDB作成開始");
inline const QString BackupCompressing = QStringLiteral("バックアップDBを圧縮");
inline const QString BackupFinished
    = QStringLiteral("バックアップ終了しました。リストア作業は専用コマンドを用いて行う必要があります。");

inline const QString RestoreTitle = QStringLiteral("データベースのリストア");
inline const QString ConfirmRestore
    = QStringLiteral("リストア作業は以前バックアップした時の状態に戻します。よろしいですか？");
inline const QString RestoreFileName = QStringLiteral("リストアファイル名：");
inline const QString RestoreStarted = QStringLiteral("リストア開始");
inline const QString NoBackupInArchive
    = QStringLiteral("このファイルにはバックアップ（sorvikdb.fbk）が入っていません。\n\r%1");
inline const QString OtherConnections
    = QStringLiteral("他にこのデータベースに接続しているプログラムがあります。全て終了してからリストアして下さい。");
inline const QString NotASorvikBackup
    = QStringLiteral("戻したデータベースはSorvikのデータベースではありません。元のデータベースのまま続けます。");
inline const QString RestoreSwapFailed
    = QStringLiteral("データベースファイルを入れ替えられませんでした。元のデータベースのまま続けます。\n\r%1");

inline const QString ConfirmImageCleanup = QStringLiteral("画像情報のクリーンアップを行いますか？");

inline const QString NoSupportMail = QStringLiteral("サポート販売店のアドレスが登録されていません。");
inline const QString CannotOpenAddress = QStringLiteral("既定のアプリケーションで開けませんでした。\n\r%1");

}  // namespace MaintenanceMessages
