#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <map>
#include <vector>

namespace celvane {

// Plays an enhanced metafile onto a painter: the records barcode pictures are made of
// (brushes, pens, rectangles, polygons, lines, fonts and text) and the common drawing
// records of other metafiles. Records it does not know are passed over; a damaged file
// draws what it can and never reads past its end.
class EmfPlayer
{
public:
    explicit EmfPlayer(QByteArray bytes);

    bool isValid() const { return m_valid; }
    // The picture's own size, from the header's frame rectangle.
    QSizeF frameMillimetres() const;
    void play(QPainter &painter, const QRectF &target);

private:
    struct GdiObject
    {
        enum class Kind { Pen, Brush, Font } kind = Kind::Pen;
        QPen pen;
        QBrush brush;
        QFont font;
        double fontHeight = 0;  // logical units
        double fontWidth = 0;   // average character width, 0 for the face's own
        double escapement = 0;  // tenths of a degree
    };
    struct State
    {
        int mapMode = 1;
        QPointF windowOrigin, viewportOrigin;
        QSizeF windowExtent{1, 1}, viewportExtent{1, 1};
        QTransform world;
        QPen pen{Qt::black, 0};
        QBrush brush{Qt::white};
        GdiObject font;
        QColor textColor{Qt::black};
        QColor backgroundColor{Qt::white};
        bool opaqueBackground = true;
        unsigned textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        QPointF current;
    };

    bool readHeader();
    void playRecord(quint32 type, const char *data, quint32 size);
    QTransform logicalToTarget() const;
    QPointF point16(const char *at) const;
    QPointF point32(const char *at) const;
    QRectF rect32(const char *at) const;
    QPolygonF points16(const char *data, quint32 size, quint32 countOffset, quint32 pointsOffset) const;
    QPolygonF points32(const char *data, quint32 size, quint32 countOffset, quint32 pointsOffset) const;
    void selectObject(quint32 index);
    void createFont(const char *data, quint32 size);
    void drawText(const char *data, quint32 size);
    void drawShape(const QPainterPath &path, bool fill);
    static QColor colorRef(const char *at);

    QByteArray m_bytes;
    bool m_valid = false;
    QRectF m_frame;         // hundredths of a millimetre
    QSizeF m_devicePixels;  // reference device
    QSizeF m_deviceMillimetres;
    QPainter *m_painter = nullptr;
    QTransform m_deviceToTarget;
    State m_state;
    std::vector<State> m_saved;
    std::map<quint32, GdiObject> m_objects;
};

}  // namespace celvane
