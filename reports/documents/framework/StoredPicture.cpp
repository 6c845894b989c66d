#include "StoredPicture.h"

#include "CelvanePicture.h"
#include "MarkerWriter.h"
#include "PictureFit.h"
#include "data/ImageStore.h"
#include "program/DataModule1.h"

#include <QBuffer>
#include <QImageReader>

namespace sorvik::documents {

namespace {

// The picture's size in pixels; empty when the bytes are no readable picture. The whole
// picture is decoded to know it is whole, small (a JPEG decodes an eighth of its size for
// a fraction of the work).
QSize readableSize(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    reader.setScaledSize(size.scaled(QSize(64, 64), Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read().isNull() ? QSize() : size;
}

}  // namespace

StoredPicture::StoredPicture(TDataModule1 &data)
    : m_data(data)
{
}

void StoredPicture::place(MarkerWriter &writer, const QString &marker, const QString &fileName, const QSizeF &box,
                          int columnOffset, int rowOffset)
{
    if (fileName.isEmpty())
        return;
    const QByteArray bytes = ImageStore(m_data.IBTransaction1).ImageBytes(fileName);
    const QSize size = readableSize(bytes);
    if (size.isEmpty()) {
        writer.Value(marker, NotPrinted, columnOffset, rowOffset);
        return;
    }
    const PictureFit fit = PictureFit::into(size, box);
    writer.AddPicture(marker, celvane::CelvaneOlePicture(bytes), fit.left, fit.top, fit.width, fit.height, columnOffset,
                      rowOffset);
}

}  // namespace sorvik::documents
