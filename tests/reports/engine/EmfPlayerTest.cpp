#include "CelvanePicture.h"
#include "EmfPlayer.h"
#include "RenderProbe.h"

#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

// Writes enhanced metafile records as the format describes them, little-endian.
class EmfBuilder
{
public:
    EmfBuilder &record(quint32 type, std::initializer_list<qint32> values, const QByteArray &tail = {})
    {
        QByteArray payload;
        for (qint32 v : values)
            append32(payload, v);
        payload += tail;
        while (payload.size() % 4)
            payload += '\0';
        QByteArray head;
        append32(head, qint32(type));
        append32(head, qint32(8 + payload.size()));
        m_records += head + payload;
        ++m_count;
        return *this;
    }
    // A header for a picture of frameMm (millimetres) on a device of 10 pixels per millimetre.
    QByteArray finish(QSizeF frameMm)
    {
        record(14, {0, 16, 20});  // end of file
        QByteArray header;
        const qint32 w = qint32(frameMm.width() * 10), h = qint32(frameMm.height() * 10);
        for (qint32 v : {1,
                         88,
                         0,
                         0,
                         w - 1,
                         h - 1,
                         0,
                         0,
                         qint32(frameMm.width() * 100),
                         qint32(frameMm.height() * 100),
                         0x464D4520,
                         0x10000,
                         0,
                         m_count + 1,
                         4,
                         0,
                         0,
                         0,
                         1000,
                         1000,
                         100,
                         100})
            append32(header, v);
        QByteArray all = header + m_records;
        qToLittleEndian<qint32>(all.size(), all.data() + 48);
        return all;
    }
    static QByteArray points16(std::initializer_list<QPoint> points)
    {
        QByteArray data;
        for (const QPoint &p : points) {
            char bytes[4];
            qToLittleEndian<qint16>(qint16(p.x()), bytes);
            qToLittleEndian<qint16>(qint16(p.y()), bytes + 2);
            data.append(bytes, 4);
        }
        return data;
    }
    static QByteArray utf16(const QString &text)
    {
        return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    }

private:
    static void append32(QByteArray &data, qint32 value)
    {
        char bytes[4];
        qToLittleEndian<qint32>(value, bytes);
        data.append(bytes, 4);
    }
    QByteArray m_records;
    qint32 m_count = 0;
};

// A barcode-like picture: three bars, a triangle and a caption in logical units of 0.1 mm.
QByteArray barcode()
{
    EmfBuilder emf;
    emf.record(17, {8})                   // anisotropic mapping
        .record(9, {450, 200})            // window extent
        .record(11, {450, 200})           // viewport extent
        .record(39, {1, 0, 0x000000, 0})  // black solid brush as object 1
        .record(37, {1})
        .record(37, {qint32(0x80000008)})  // no pen
        .record(43, {10, 0, 20, 150})      // bars
        .record(43, {40, 0, 60, 150})
        .record(43, {100, 0, 110, 150})
        .record(86, {0, 0, 0, 0, 3}, EmfBuilder::points16({{300, 0}, {350, 100}, {250, 100}}))
        .record(40, {1});
    QByteArray logFont;
    for (qint32 v : {-40, 0, 0, 0, 400, 0, 0})
        logFont.append(reinterpret_cast<const char *>(&v), 4);
    logFont.append(EmfBuilder::utf16(QStringLiteral("Liberation Sans")).leftJustified(64, '\0'));
    logFont.append(QByteArray(320 - 92 + 28, '\0'));
    emf.record(82, {2}, logFont).record(37, {2}).record(24, {0x000000}).record(22, {6});  // centred, top
    const QString caption = QStringLiteral("123");
    QByteArray text;
    for (qint32 v : {0, 0, 0, 0, 1, 0, 0, 60, 155, qint32(caption.size()), 76, 0, 0, 0, 0, 0, 0})
        text.append(reinterpret_cast<const char *>(&v), 4);
    text += EmfBuilder::utf16(caption);
    emf.record(84, {}, text);
    return emf.finish(QSizeF(45, 20));
}

QImage play(const QByteArray &bytes, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EmfPlayer(bytes).play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

TEST(EmfPlayer, DrawsBarsShapesAndTextWhereTheRecordsPutThem)
{
    const QByteArray bytes = barcode();
    EmfPlayer player(bytes);
    ASSERT_TRUE(player.isValid());
    EXPECT_NEAR(player.frameMillimetres().width(), 45, 0.01);
    EXPECT_NEAR(player.frameMillimetres().height(), 20, 0.01);

    const QImage image = play(bytes, QSize(450, 200));  // one pixel per logical unit
    const auto black = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    EXPECT_TRUE(black(15, 75));
    EXPECT_TRUE(black(50, 75));
    EXPECT_TRUE(black(105, 75));
    EXPECT_FALSE(black(30, 75)) << "white between bars";
    EXPECT_FALSE(black(80, 75));
    EXPECT_FALSE(black(15, 170)) << "bars end at 150";
    EXPECT_TRUE(black(300, 60)) << "inside the triangle";
    EXPECT_FALSE(black(260, 10)) << "outside the triangle";
    const QRect caption = RenderProbe::inked(image, QRectF(0, 151, 450, 49));
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_NEAR(QRectF(caption).center().x(), 60, 6) << "centred on its reference point";
    EXPECT_GE(caption.top(), 154);

    // Scaled into another box the picture keeps its places.
    const QImage half = play(bytes, QSize(225, 100));
    EXPECT_LT(qGray(half.pixel(25, 37)), 100);
    EXPECT_GT(qGray(half.pixel(15, 37)), 150);
}

// As barcode pictures are written: hundredths of a millimetre with the y axis pointing up,
// bars painted by block transfers with the brush, the caption in a narrowed face below them.
TEST(EmfPlayer, MetricMappingWithBlockTransfersAndNarrowedText)
{
    EmfBuilder emf;
    emf.record(17, {3}).record(39, {1, 0, 0x000000, 0}).record(37, {1});
    const auto bar = [&](qint32 left, qint32 width) {
        // bounds, destination, raster operation PATCOPY, source position, transform, colour,
        // usage and no bitmap
        emf.record(76, {0, 0, 0,          0, left, -1400, width, 1400, 0x00F00021, 0, 0, 0x3F800000,
                        0, 0, 0x3F800000, 0, 0,    0,     0,     0,    0,          0, 0});
    };
    bar(250, 20);
    bar(500, 40);
    QByteArray logFont;
    for (qint32 v : {400, 91, 0, 0, 400, 0, 0})
        logFont.append(reinterpret_cast<const char *>(&v), 4);
    logFont.append(EmfBuilder::utf16(QStringLiteral("ＭＳ ゴシック")).leftJustified(64, '\0'));
    logFont.append(QByteArray(320 - 92 + 28, '\0'));
    emf.record(82, {2}, logFont).record(37, {2}).record(22, {0});
    QByteArray text;
    for (qint32 v : {0, 0, 0, 0, 1, 0, 0, 1000, -1400, 1, 76, 0, 0, 0, 0, 0, 0})
        text.append(reinterpret_cast<const char *>(&v), 4);
    text += EmfBuilder::utf16(QStringLiteral("8"));
    emf.record(84, {}, text);
    const QImage image = play(emf.finish(QSizeF(33.91, 17.99)), QSize(339, 180));  // a pixel is 0.1 mm
    const auto black = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    EXPECT_TRUE(black(26, 70));
    EXPECT_TRUE(black(51, 10));
    EXPECT_FALSE(black(40, 70));
    EXPECT_FALSE(black(26, 150)) << "bars end 14 mm down";
    const QRect caption = RenderProbe::inked(image, QRectF(80, 141, 60, 39));
    ASSERT_FALSE(caption.isEmpty()) << "the caption hangs below its reference point";
    EXPECT_GE(caption.left(), 99);
    EXPECT_LE(caption.width(), 12) << "a narrowed face: about 0.9 mm a letter";
    EXPECT_TRUE(RenderProbe::inked(image, QRectF(80, 0, 60, 139)).isEmpty());
}

TEST(EmfPlayer, DamagedFilesDrawWhatTheyCanAndNoMore)
{
    QByteArray bytes = barcode();
    EXPECT_FALSE(EmfPlayer(bytes.left(60)).isValid());
    EXPECT_FALSE(EmfPlayer(QByteArray(200, 'x')).isValid());
    // A record claiming to run past the end stops the play without reading beyond.
    QByteArray cut = bytes.left(bytes.size() - 30);
    qToLittleEndian<qint32>(0x7FFFFFF0, cut.data() + 88 + 4);
    EXPECT_NO_FATAL_FAILURE(play(cut, QSize(90, 40)));
    // A polygon whose count exceeds its record draws only the points it holds.
    EmfBuilder liar;
    liar.record(86, {0, 0, 0, 0, 100000}, EmfBuilder::points16({{0, 0}, {10, 10}}));
    EXPECT_NO_FATAL_FAILURE(play(liar.finish(QSizeF(10, 10)), QSize(50, 50)));
}

TEST(EmfPlayer, PictureOfAMetafileKeepsItsFrameSize)
{
    const CelvanePicture picture = CelvaneOlePicture(barcode());
    EXPECT_EQ(picture.image->extension, QStringLiteral("emf"));
    EXPECT_NEAR(picture.sizeMillimetres.width(), 45, 0.01);
    EXPECT_NEAR(picture.sizeMillimetres.height(), 20, 0.01);
}

}  // namespace
