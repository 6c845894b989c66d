#include "RowImages.h"

#include "program/DataModule1.h"
#include "ImageName.h"

namespace sorvik::package {

RowImages::RowImages(TDataModule1 &data, const PackageFolder &folder, int imageKind, QStringList &notes)
    : m_data(data)
    , m_folder(folder)
    , m_imageKind(imageKind)
    , m_notes(notes)
{
}

void RowImages::store(const ImportColumns &columns, QStringList &row, int rowNumber)
{
    for (const QString &column : columns.imageColumns()) {
        QString &value = row[columns.indexOf(column)];
        if (value.isEmpty())
            continue;
        if (!isBareImageName(value)) {
            m_notes << QStringLiteral("%1 行目の %2「%3」はファイル名として使えないため、画像を取り込みません。")
                           .arg(rowNumber)
                           .arg(column, value);
            value.clear();
            continue;
        }
        const QString path = m_folder.path(value);
        value = path.isEmpty() ? QString() : m_data.StoreImageFile(m_imageKind, path);
    }
}

}  // namespace sorvik::package
