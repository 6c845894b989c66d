#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace sorvik::package {

// The four FILEINFO lines shown to the user on export and import; readers never parse
// them. `header` is the kind's text ("工事情報", or "ユニットファイル" for a unit).
QStringList fileInfoLines(const QString &header, const QString &companyName, const QDate &date);

inline const QString kUnitHeader = QStringLiteral("ユニットファイル");

}  // namespace sorvik::package
