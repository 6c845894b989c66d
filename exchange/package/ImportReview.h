#pragma once

#include "PackageContent.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace sorvik::package {

// What the import dialog shows for a package or a unit file, and whether the import
// button may be enabled. The dialog only displays this; `messages` are told to the user
// (in this order) when it opens.
struct ImportReview
{
    bool unitMode = false;
    int kind = -1;  // the expected kind in package mode
    QString caption;
    QStringList memo;
    bool importable = false;
    bool overwriteVisible = false;  // "同じデータの場合内容を上書きする", kinds 2–4
    bool cautionVisible = false;    // the blinking caution, kind 2
    QStringList messages;

    // `expectedKind` is the kind asked for; nullopt reviews a unit file.
    static ImportReview of(const PackageContent &content, std::optional<int> expectedKind);
};

inline const QString kNotAPackageMessage = QStringLiteral("このファイルはこのシステムで取り込める形式では有りません。");
inline const QString kWrongKindMessage = QStringLiteral("取り込めるファイルの種類が違います。");
inline const QString kOtherVersionMessage = QStringLiteral(
    "作成したファイルのシステムのバージョンが違います。\n\rデータの構成が違いますので取り込めない場合が有ります。");
inline const QString kUnitCaption = QStringLiteral("新しい工事の情報として全て取り込みます");
inline const QString kCautionText = QStringLiteral("取り込む業者と書き込む業者名を\n\rよく確認してから取り込みます。");

}  // namespace sorvik::package
