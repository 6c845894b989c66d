#include "CelvanePicture.h"

#include "CelvaneError.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace celvane {

namespace {
constexpr double kScreenDpi = 96.0;

QSizeF pixelsToMillimetres(const QSize &pixels)
{
    return {pixels.width() * 25.4 / kScreenDpi, pixels.height() * 25.4 / kScreenDpi};
}

bool isMetafile(const QByteArray &bytes)
{
    return bytes.size() >= 88 && qFromLittleEndian<quint32>(bytes.constData()) == 1
        && qFromLittleEndian<quint32>(bytes.constData() + 40) == 0x464D4520;
}
}  // namespace

CelvanePicture CelvaneOlePicture(const QByteArray &bytes)
{
    CelvanePicture picture;
    auto data = std::make_shared<ImageData>();
    if (isMetafile(bytes)) {
        // The frame rectangle of the header is in hundredths of a millimetre.
        const char *frame = bytes.constData() + 24;
        const double width = qFromLittleEndian<qint32>(frame + 8) - qFromLittleEndian<qint32>(frame);
        const double height = qFromLittleEndian<qint32>(frame + 12) - qFromLittleEndian<qint32>(frame + 4);
        data->bytes = bytes;
        data->extension = QStringLiteral("emf");
        picture.sizeMillimetres = QSizeF(width / 100.0, height / 100.0);
    } else {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        const QByteArray format = reader.format();
        const QSize size = reader.size();
        if (size.isEmpty())
            throw CelvaneError(QStringLiteral("画像の形式が分かりません"));
        if (format == "jpeg" || format == "png") {
            data->bytes = bytes;
            data->extension = QString::fromLatin1(format);
        } else {
            QImage image = reader.read();
            if (image.isNull())
                throw CelvaneError(QStringLiteral("画像が読めません（%1）").arg(reader.errorString()));
            return CelvaneOlePicture(image);
        }
        picture.sizeMillimetres = pixelsToMillimetres(size);
    }
    if (picture.sizeMillimetres.isEmpty())
        throw CelvaneError(QStringLiteral("画像の大きさが0です"));
    picture.image = std::move(data);
    return picture;
}

CelvanePicture CelvaneOlePicture(const QImage &image)
{
    if (image.isNull())
        throw CelvaneError(QStringLiteral("画像がありません"));
    auto data = std::make_shared<ImageData>();
    QBuffer buffer(&data->bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    data->extension = QStringLiteral("png");
    return {std::move(data), pixelsToMillimetres(image.size())};
}

}  // namespace celvane
