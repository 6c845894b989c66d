#include "PackageKind.h"

#include <array>

namespace sorvik::package {

namespace {

QStringList split(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

PackageKind kind(int number, const char *table, const char *header, const char *images, const char *keys,
                 Storing storing, const char *caption)
{
    return {number,  QString::fromUtf8(table),  QString::fromUtf8(header), split(images), split(keys),
            storing, QString::fromUtf8(caption)};
}

const std::array<PackageKind, kKindCount> &kinds()
{
    static const std::array<PackageKind, kKindCount> table = {
        kind(0, "KOJI", "工事情報", "", "KJCD,APDT", Storing::OverwriteRecord, "工事情報取り込み"),
        kind(1, "GYOSYA", "業者情報", "SDFILE1,SDFILE2,SDFILE3,SDFILE4,GJFILE1,GJFILE2,SIGNFL", "KJCD,GYOCD,APDT",
             Storing::OverwriteRecord, "業者情報取り込み"),
        kind(2, "SAGYOIN", "作業員情報", "SDFL", "KJCD,GYOCD,INCD", Storing::Workers, "作業員情報取り込み"),
        kind(3, "SHOKU", "職員情報", "SDFL", "SHCD", Storing::Staff, "職員情報取り込み"),
        kind(4, "EDUC", "資格マスタ", "", "EDCD", Storing::Names, "資格マスタ取り込み"),
        kind(5, "INSIKAKU", "資格者情報", "YOBIS2", "INNO,KJCD,GYOCD,INCD", Storing::Qualifications,
             "資格者情報取り込み"),
        kind(6, "CARRY", "車両届情報", "", "KJCD,GYOCD,CRCD,JYUNO,CMP1NM,USECMPNM,USEUNUM,DAIRI",
             Storing::OverwriteRecord, "工事用車両届取り込み"),
        kind(7, "KIKAI", "機械届情報", "", "KJCD,GYOCD,MCCD,JYUNO,CMP1NM,HNDOWCMPNM,HNDUNUM,HNDPRE,HNDTEL",
             Storing::OverwriteRecord, "持込機械使用届取り込み"),
        kind(8, "KOUGU", "工具届情報", "", "KJCD,GYOCD,KGCD,JYUNO,CMP1NM,HNDOWCMPNM,HNDUNUM,HNDPRE,HNDTEL",
             Storing::OverwriteRecord, "持込工具使用届取り込み"),
        kind(9, "TAISEI", "体制情報", "", "KJCD,GYOCD", Storing::UnitOnly, ""),
        kind(10, "TAIKEI", "施工体系情報", "", "KJCD,APDT,GYOCD", Storing::UnitOnly, ""),
        kind(11, "DEZURA", "作業員日報", "", "KJCD,GYOCD,WKDT,INCD", Storing::UnitOnly, ""),
        kind(12, "D_CARRY", "車両日報", "", "KJCD,GYOCD,WKDT,CRCD", Storing::UnitOnly, ""),
        kind(13, "D_KIKAI", "機械日報", "", "KJCD,GYOCD,WKDT,MCCD", Storing::UnitOnly, ""),
    };
    return table;
}

}  // namespace

const PackageKind *kindByNumber(int number)
{
    if (number < 0 || number >= kKindCount)
        return nullptr;
    return &kinds()[std::size_t(number)];
}

const PackageKind *kindByTable(const QString &table)
{
    for (const PackageKind &kind : kinds()) {
        if (kind.table.compare(table, Qt::CaseInsensitive) == 0)
            return &kind;
    }
    return nullptr;
}

}  // namespace sorvik::package
