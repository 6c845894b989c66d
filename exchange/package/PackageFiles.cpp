#include "PackageFiles.h"

#include <QDir>
#include <QFileInfo>

namespace sorvik::package {

namespace {

const QString kPackageFilter = QStringLiteral("EXPファイル|*.LZH");
const QString kUnitFilter = QStringLiteral("ロードファイル|*.LDF");
const QString kPackageExt = QStringLiteral("LZH");
const QString kUnitExt = QStringLiteral("LDF");

FileRequest saveRequest(const QString &filter, const QString &ext, const QString &fileName, const QString &title = {})
{
    return {.title = title, .filter = filter, .defaultExt = ext, .fileName = fileName, .overwritePrompt = true};
}

FileRequest openRequest(const QString &filter, int filterIndex, const QString &ext, const QString &title = {})
{
    return {.title = title,
            .filter = filter,
            .filterIndex = filterIndex,
            .defaultExt = ext,
            .fileName = {},
            .overwritePrompt = false,
            .fileMustExist = true};
}

QString yymmdd(const QDate &date)
{
    return date.toString(QStringLiteral("yyMMdd"));
}

QString recordPrefix(int kind)
{
    switch (kind) {
    case 0:
        return QStringLiteral("工事");
    case 1:
        return QStringLiteral("業者");
    case 6:
        return QStringLiteral("車両");
    case 7:
        return QStringLiteral("機械");
    default:
        return QStringLiteral("工具");
    }
}

QString recordExportTitle(int kind)
{
    return kind == 0 || kind == 1 ? QStringLiteral("作成するファイル名を決めてください") : QString();
}

QString recordImportTitle(int kind)
{
    switch (kind) {
    case 0:
        return QStringLiteral("取り込む工事情報ファイルを指定してください");
    case 1:
        return QStringLiteral("取り込む業者情報ファイルを指定してください");
    default:
        return {};
    }
}

}  // namespace

FileRequest recordExportRequest(int kind, const QString &name, const QDate &today)
{
    // A name such as "A/B工業" must not turn the proposed file into a folder path.
    QString fileName = name.trimmed();
    fileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    return saveRequest(kPackageFilter, kPackageExt,
                       recordPrefix(kind) + QLatin1Char('_') + fileName + QLatin1Char('_') + yymmdd(today)
                           + QStringLiteral(".LZH"),
                       recordExportTitle(kind));
}

FileRequest recordImportRequest(int kind)
{
    const QString prefix = recordPrefix(kind);
    return openRequest(kPackageFilter + QLatin1Char('|') + prefix + QStringLiteral("EXPファイル|") + prefix
                           + QStringLiteral("*.LZH"),
                       2, kPackageExt, recordImportTitle(kind));
}

FileRequest rosterExportRequest(const QString &contractorName, const QDate &today)
{
    return saveRequest(kPackageFilter, kPackageExt,
                       QStringLiteral("名簿_") + contractorName.trimmed() + QLatin1Char('_') + yymmdd(today)
                           + QStringLiteral(".LZH"),
                       QStringLiteral("選択チェックした名簿をエクスポートします"));
}

FileRequest rosterImportRequest(const QString &contractorName)
{
    return openRequest(QStringLiteral("EXPファイル|*.LZH|名簿EXPファイル|名簿*.LZH|資格名簿EXPファイル|資格者*.LZH"), 2,
                       kPackageExt, contractorName + QStringLiteral(" の作業員名簿ファイルを指定して下さい"));
}

FileRequest staffExportRequest(const QString &companyName)
{
    return saveRequest(kPackageFilter, kPackageExt,
                       QStringLiteral("職員_") + companyName.trimmed() + QStringLiteral(".LZH"));
}

FileRequest namesExportRequest(const QString &companyName)
{
    return saveRequest(kPackageFilter, kPackageExt,
                       QStringLiteral("資格マスタ_") + companyName.trimmed() + QStringLiteral(".LZH"));
}

FileRequest unitUnloadRequest(const QString &projectName)
{
    return saveRequest(kUnitFilter, kUnitExt,
                       QStringLiteral("Sorvikユニット_") + projectName.trimmed() + QStringLiteral(".LDF"));
}

FileRequest staffImportRequest()
{
    return openRequest(kMainOpenFilter, 2, kPackageExt);
}

FileRequest namesImportRequest()
{
    return openRequest(kMainOpenFilter, 3, kPackageExt);
}

FileRequest unitLoadRequest()
{
    return openRequest(kUnitFilter, 1, kUnitExt);
}

QString safetyUnitPath(const QString &appDir, const QString &projectName, const QDateTime &now)
{
    QString name = projectName.trimmed();
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    const QString stem = QDir(appDir).filePath(QStringLiteral("Sorvikユニット_") + name + QLatin1Char('_')
                                               + now.toString(QStringLiteral("yyMMddhhmmss")));
    QString path = stem + QStringLiteral(".LDF");
    for (int counter = 2; QFileInfo::exists(path); ++counter)
        path = stem + QStringLiteral("_%1.LDF").arg(counter);
    return path;
}

}  // namespace sorvik::package
