#include "FileInfo.h"

#include "PackageScheme.h"

namespace sorvik::package {

QStringList fileInfoLines(const QString &header, const QString &companyName, const QDate &date)
{
    return {
        QStringLiteral("ファイル種別：") + header,
        QStringLiteral(" 作  成  者 ：") + companyName,
        QStringLiteral(" 作  成  日 ：") + date.toString(QStringLiteral("yyyy/MM/dd")),
        QStringLiteral(" バージョン ：") + kFormatVersion,
    };
}

}  // namespace sorvik::package
