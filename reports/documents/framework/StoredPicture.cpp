#include "StoredPicture.h"

#include "CelvanePicture.h"
#include "MarkerWriter.h"
#include "PictureFit.h"
#include "program/DataModule1.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

namespace sorvik::documents {

namespace {

// The picture's bytes with its size in pixels; no bytes when it is no readable picture.
QByteArray readPicture(const QString &path, QSize &size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    size = image.size();
    return bytes;
}

}  // namespace

StoredPicture::StoredPicture(TDataModule1 &data, const QString &scratchFolder)
    : m_data(data)
    , m_folder(scratchFolder)
{
}

void StoredPicture::place(MarkerWriter &writer, const QString &marker, const QString &fileName, const QSizeF &box,
                          int columnOffset, int rowOffset)
{
    if (fileName.isEmpty())
        return;
    QDir().mkpath(m_folder);
    m_data.FetchImageFile(fileName, m_folder);
    QSize size;
    const QByteArray bytes = readPicture(QDir(m_folder).filePath(fileName), size);
    if (bytes.isEmpty()) {
        writer.Value(marker, NotPrinted, columnOffset, rowOffset);
        return;
    }
    const PictureFit fit = PictureFit::into(size, box);
    writer.AddPicture(marker, celvane::CelvaneOlePicture(bytes), fit.left, fit.top, fit.width, fit.height, columnOffset,
                      rowOffset);
}

}  // namespace sorvik::documents
