#pragma once

#include <QString>

// The fixed texts the start-up shows. "\n\r" is line feed followed by carriage return,
// kept exactly as the program has always written it.
namespace StartupMessages {

inline const QString ApplicationTitle = QStringLiteral("Sorvik(NET版)");
inline const QString SecondInstance = QStringLiteral("同一プログラムの二重起動は出来ません。");
// Ours: the lock that keeps a second copy out cannot be made (an unwritable home folder).
inline const QString LockFailed
    = QStringLiteral("二重起動を防ぐためのロックファイルを作れないため、起動できません。\n");
inline const QString ConnectFailed = QStringLiteral("データベースがないか設定ファイルに誤りがあります");
inline const QString Version04 = QStringLiteral("接続しているデータベースのバージョンは『0.4』です。\n\r"
                                                "付属のＤＢアップツールを実行して更新して下さい。\n\r"
                                                "（アップツールは付属の説明書を参照して下さい）");
inline const QString UpgradeFailed = QStringLiteral(
    "自動DBアップデート(0.4.6->0.5)しましたが、更新出来ませんでした。\n\r"
    "一部機能が使用できません。従来のバージョンを使用してください。\n\r"
    "最新版を使用する場合は、メニューのアンロードで保管したいデータを全て保存し\n\r"
    "プログラムの追加と削除でこのアプリを削除し、データベース(C:\\database\\sorvik.fdb)を削除してから\n\r"
    "販売店から最新版のバージョンCDを入手して、再度インストールしてください。\n\r"
    "尚、DBのバージョンとアプリのバージョンの互換性がある場合はこのメッセージは出ません。");
// Followed by the database's own message.
inline const QString RepairFailed = QStringLiteral("データベースを現在の形式に合わせられませんでした"
                                                   "（機械の点検項目の列名、体制の索引）。\n\r");

}  // namespace StartupMessages
