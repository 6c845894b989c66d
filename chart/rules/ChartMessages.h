#pragma once

#include <QString>

// The chart editor's messages.
namespace ChartMessages {

inline const QString InvalidDate = QStringLiteral("適用日付は正しく\"yyyy/mm/dd\"でなければなりません");
inline const QString DateTaken
    = QStringLiteral("この適用日付は既に存在します。\n\r適用日付を変更するか処理を取消して下さい。");
inline const QString NoPrime = QStringLiteral("元請業者の無い体系図は登録出来ません。\n\r処理を取消して下さい。");
inline const QString LastVersion = QStringLiteral("この体系図は最低一件は必要ですので削除出来ません。");
inline const QString ConfirmDelete = QStringLiteral("この体系図を削除しますか？");
inline const QString ConfirmCaption = QStringLiteral("確認");

}  // namespace ChartMessages
