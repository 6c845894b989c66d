#include "EmfPlayer.h"

#include "FontMapper.h"

#include <QPainterPath>
#include <QtEndian>
#include <cmath>

namespace celvane {

namespace {

enum Record : quint32 {
    Header = 1,
    Polygon = 3,
    Polyline = 4,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    Eof = 14,
    SetMapMode = 17,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    MoveToEx = 27,
    SaveDc = 33,
    RestoreDc = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    LineTo = 54,
    BitBlt = 76,
    ExtCreateFontIndirectW = 82,
    ExtTextOutW = 84,
    Polygon16 = 86,
    Polyline16 = 87,
    PolylineTo16 = 89,
    PolyPolygon16 = 91,
    ExtCreatePen = 95,
};

quint32 u32(const char *at)
{
    return qFromLittleEndian<quint32>(at);
}
qint32 i32(const char *at)
{
    return qFromLittleEndian<qint32>(at);
}
qint16 i16(const char *at)
{
    return qFromLittleEndian<qint16>(at);
}
float f32(const char *at)
{
    return qFromLittleEndian<float>(at);
}

QTransform xform(const char *at)
{
    return QTransform(f32(at), f32(at + 4), f32(at + 8), f32(at + 12), f32(at + 16), f32(at + 20));
}

}  // namespace

EmfPlayer::EmfPlayer(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    m_valid = readHeader();
}

bool EmfPlayer::readHeader()
{
    if (m_bytes.size() < 88)
        return false;
    const char *d = m_bytes.constData();
    if (u32(d) != Header || u32(d + 40) != 0x464D4520)
        return false;
    m_frame = QRectF(QPointF(i32(d + 24), i32(d + 28)), QPointF(i32(d + 32), i32(d + 36)));
    m_devicePixels = QSizeF(i32(d + 72), i32(d + 76));
    m_deviceMillimetres = QSizeF(i32(d + 80), i32(d + 84));
    return m_frame.width() > 0 && m_frame.height() > 0 && m_devicePixels.width() > 0 && m_devicePixels.height() > 0
        && m_deviceMillimetres.width() > 0 && m_deviceMillimetres.height() > 0;
}

QSizeF EmfPlayer::frameMillimetres() const
{
    return m_valid ? m_frame.size() / 100.0 : QSizeF();
}

QColor EmfPlayer::colorRef(const char *at)
{
    return QColor(quint8(at[0]), quint8(at[1]), quint8(at[2]));
}

QTransform EmfPlayer::logicalToTarget() const
{
    // Logical units go through the world transform, then the mapping mode, to device pixels.
    QTransform mapping;
    const double pxPerMmX = m_devicePixels.width() / m_deviceMillimetres.width();
    const double pxPerMmY = m_devicePixels.height() / m_deviceMillimetres.height();
    const auto fixed
        = [&](double mmPerUnit) { return QTransform::fromScale(mmPerUnit * pxPerMmX, -mmPerUnit * pxPerMmY); };
    switch (m_state.mapMode) {
    case 2:
        mapping = fixed(0.1);
        break;
    case 3:
        mapping = fixed(0.01);
        break;
    case 4:
        mapping = fixed(0.254);
        break;
    case 5:
        mapping = fixed(0.0254);
        break;
    case 6:
        mapping = fixed(25.4 / 1440.0);
        break;
    case 7:
    case 8: {
        double sx = m_state.viewportExtent.width() / (m_state.windowExtent.width() ? m_state.windowExtent.width() : 1);
        double sy
            = m_state.viewportExtent.height() / (m_state.windowExtent.height() ? m_state.windowExtent.height() : 1);
        if (m_state.mapMode == 7) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        mapping = QTransform::fromScale(sx, sy);
        break;
    }
    default:
        break;
    }
    const QTransform window = QTransform::fromTranslate(-m_state.windowOrigin.x(), -m_state.windowOrigin.y());
    const QTransform viewport = QTransform::fromTranslate(m_state.viewportOrigin.x(), m_state.viewportOrigin.y());
    return m_state.world * window * mapping * viewport * m_deviceToTarget;
}

QPointF EmfPlayer::point16(const char *at) const
{
    return QPointF(i16(at), i16(at + 2));
}
QPointF EmfPlayer::point32(const char *at) const
{
    return QPointF(i32(at), i32(at + 4));
}
QRectF EmfPlayer::rect32(const char *at) const
{
    return QRectF(point32(at), point32(at + 8));
}

QPolygonF EmfPlayer::points16(const char *data, quint32 size, quint32 countOffset, quint32 pointsOffset) const
{
    QPolygonF polygon;
    if (size < pointsOffset)
        return polygon;
    const quint32 count = std::min<quint32>(u32(data + countOffset), (size - pointsOffset) / 4);
    for (quint32 i = 0; i < count; ++i)
        polygon << point16(data + pointsOffset + 4 * i);
    return polygon;
}

QPolygonF EmfPlayer::points32(const char *data, quint32 size, quint32 countOffset, quint32 pointsOffset) const
{
    QPolygonF polygon;
    if (size < pointsOffset)
        return polygon;
    const quint32 count = std::min<quint32>(u32(data + countOffset), (size - pointsOffset) / 8);
    for (quint32 i = 0; i < count; ++i)
        polygon << point32(data + pointsOffset + 8 * i);
    return polygon;
}

void EmfPlayer::drawShape(const QPainterPath &path, bool fill)
{
    const QTransform toTarget = logicalToTarget();
    QPainterPath mapped = toTarget.map(path);
    mapped.setFillRule(m_state.fillRule);
    if (fill && m_state.brush.style() != Qt::NoBrush)
        m_painter->fillPath(mapped, m_state.brush);
    if (m_state.pen.style() != Qt::NoPen) {
        QPen pen = m_state.pen;
        // Pen widths are logical units; width 0 is the thinnest line the device draws.
        const double scale = std::sqrt(std::abs(toTarget.determinant()));
        pen.setWidthF(pen.widthF() > 0 ? pen.widthF() * scale : 0.0);
        m_painter->strokePath(mapped, pen);
    }
}

void EmfPlayer::selectObject(quint32 index)
{
    if (index & 0x80000000u) {
        switch (index & 0x7FFFFFFFu) {
        case 0:
            m_state.brush = QBrush(Qt::white);
            break;
        case 1:
            m_state.brush = QBrush(QColor(192, 192, 192));
            break;
        case 2:
            m_state.brush = QBrush(QColor(128, 128, 128));
            break;
        case 3:
            m_state.brush = QBrush(QColor(64, 64, 64));
            break;
        case 4:
            m_state.brush = QBrush(Qt::black);
            break;
        case 5:
            m_state.brush = Qt::NoBrush;
            break;
        case 6:
            m_state.pen = QPen(Qt::white, 0);
            break;
        case 7:
            m_state.pen = QPen(Qt::black, 0);
            break;
        case 8:
            m_state.pen = Qt::NoPen;
            break;
        default:
            break;
        }
        return;
    }
    const auto found = m_objects.find(index);
    if (found == m_objects.end())
        return;
    switch (found->second.kind) {
    case GdiObject::Kind::Pen:
        m_state.pen = found->second.pen;
        break;
    case GdiObject::Kind::Brush:
        m_state.brush = found->second.brush;
        break;
    case GdiObject::Kind::Font:
        m_state.font = found->second;
        break;
    }
}

void EmfPlayer::createFont(const char *data, quint32 size)
{
    if (size < 12 + 92)
        return;
    const char *log = data + 12;
    GdiObject object;
    object.kind = GdiObject::Kind::Font;
    object.fontHeight = i32(log);
    object.fontWidth = std::abs(i32(log + 4));
    object.escapement = i32(log + 8);
    const int weight = i32(log + 16);
    QString face = QString::fromUtf16(reinterpret_cast<const char16_t *>(log + 28), 32);
    face.truncate(face.indexOf(QChar(0)) < 0 ? 32 : face.indexOf(QChar(0)));
    object.font.setFamily(FontMapper::family(face));
    object.font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
    object.font.setItalic(log[20] != 0);
    object.font.setUnderline(log[21] != 0);
    object.font.setStrikeOut(log[22] != 0);
    object.font.setHintingPreference(QFont::PreferNoHinting);
    m_objects[u32(data + 8)] = object;
}

void EmfPlayer::drawText(const char *data, quint32 size)
{
    if (size < 76)
        return;
    const char *text = data + 36;
    const QPointF reference = point32(text);
    const quint32 count = u32(text + 8);
    const quint32 offset = u32(text + 12);
    const quint32 dxOffset = u32(text + 36);
    if (count == 0 || offset > size || count > (size - offset) / 2)
        return;
    const QString string = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + offset), count);
    std::vector<double> advances;
    if (dxOffset && dxOffset <= size && count <= (size - dxOffset) / 4)
        for (quint32 i = 0; i < count; ++i)
            advances.push_back(i32(data + dxOffset + 4 * i));

    // Text is set out in logical units and then carried to the target like every shape.
    const double height = std::abs(m_state.font.fontHeight) > 0 ? std::abs(m_state.font.fontHeight) : 12.0;
    QFont font = m_state.font.font;
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    // A positive height is the character cell, a negative one the letters' own size.
    const double fontScale
        = m_state.font.fontHeight > 0 ? height / (metrics.ascent() + metrics.descent()) : height / 100.0;
    // A given average width narrows or widens the letters.
    const double stretch = m_state.font.fontWidth > 0 && metrics.averageCharWidth() > 0
        ? m_state.font.fontWidth / (metrics.averageCharWidth() * fontScale)
        : 1.0;
    double width = 0;
    if (!advances.empty())
        for (double a : advances)
            width += a;
    else
        width = metrics.horizontalAdvance(string) * fontScale * stretch;
    // Alignment moves the text in its own upright coordinates, whichever way the y axis of
    // the mapping mode points.
    double dx = 0;
    if ((m_state.textAlign & 6) == 6)
        dx = -width / 2;
    else if (m_state.textAlign & 2)
        dx = -width;
    double dy = metrics.ascent();  // top
    if ((m_state.textAlign & 24) == 24)
        dy = 0;  // baseline
    else if (m_state.textAlign & 8)
        dy = -metrics.descent();  // bottom

    m_painter->save();
    const QTransform toTarget = logicalToTarget();
    const bool flipped = toTarget.m22() < 0;  // letters stay upright as GDI draws them
    QTransform transform = QTransform::fromTranslate(reference.x(), reference.y());
    if (m_state.font.escapement != 0)
        transform.rotate(flipped ? m_state.font.escapement / 10.0 : -m_state.font.escapement / 10.0);
    transform.scale(fontScale * stretch, flipped ? -fontScale : fontScale);
    m_painter->setTransform(transform * toTarget, true);
    m_painter->setFont(font);
    m_painter->setPen(m_state.textColor);
    const double start = dx / (fontScale * stretch);
    if (advances.empty()) {
        m_painter->drawText(QPointF(start, dy), string);
    } else {
        double at = 0;
        for (quint32 i = 0; i < count; ++i) {
            m_painter->drawText(QPointF(start + at / (fontScale * stretch), dy), string.mid(i, 1));
            at += advances[i];
        }
    }
    m_painter->restore();
}

void EmfPlayer::playRecord(quint32 type, const char *d, quint32 size)
{
    const auto need = [size](quint32 bytes) { return size >= bytes; };
    switch (type) {
    case SetMapMode:
        if (need(12))
            m_state.mapMode = int(u32(d + 8));
        break;
    case SetWindowExtEx:
        if (need(16))
            m_state.windowExtent = QSizeF(i32(d + 8), i32(d + 12));
        break;
    case SetWindowOrgEx:
        if (need(16))
            m_state.windowOrigin = point32(d + 8);
        break;
    case SetViewportExtEx:
        if (need(16))
            m_state.viewportExtent = QSizeF(i32(d + 8), i32(d + 12));
        break;
    case SetViewportOrgEx:
        if (need(16))
            m_state.viewportOrigin = point32(d + 8);
        break;
    case SetBkMode:
        if (need(12))
            m_state.opaqueBackground = u32(d + 8) == 2;
        break;
    case SetPolyFillMode:
        if (need(12))
            m_state.fillRule = u32(d + 8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetTextAlign:
        if (need(12))
            m_state.textAlign = u32(d + 8);
        break;
    case SetTextColor:
        if (need(12))
            m_state.textColor = colorRef(d + 8);
        break;
    case SetBkColor:
        if (need(12))
            m_state.backgroundColor = colorRef(d + 8);
        break;
    case MoveToEx:
        if (need(16))
            m_state.current = point32(d + 8);
        break;
    case SaveDc:
        m_saved.push_back(m_state);
        break;
    case RestoreDc:
        if (!m_saved.empty()) {
            m_state = m_saved.back();
            m_saved.pop_back();
        }
        break;
    case SetWorldTransform:
        if (need(32))
            m_state.world = xform(d + 8);
        break;
    case ModifyWorldTransform:
        if (need(36)) {
            const quint32 mode = u32(d + 32);
            if (mode == 1)
                m_state.world = QTransform();
            else if (mode == 2)
                m_state.world = xform(d + 8) * m_state.world;
            else if (mode == 3)
                m_state.world = m_state.world * xform(d + 8);
            else if (mode == 4)
                m_state.world = xform(d + 8);
        }
        break;
    case SelectObject:
        if (need(12))
            selectObject(u32(d + 8));
        break;
    case DeleteObject:
        if (need(12))
            m_objects.erase(u32(d + 8));
        break;
    case CreatePen:
        if (need(28)) {
            GdiObject object;
            const quint32 style = u32(d + 12) & 0xF;
            object.pen = style == 5 ? QPen(Qt::NoPen) : QPen(colorRef(d + 24), i32(d + 16));
            if (style >= 1 && style <= 4)
                object.pen.setStyle(Qt::PenStyle(style + 1));
            m_objects[u32(d + 8)] = object;
        }
        break;
    case ExtCreatePen:
        if (need(52)) {
            GdiObject object;
            const quint32 style = u32(d + 28) & 0xF;
            object.pen = style == 5 || u32(d + 36) == 1 ? QPen(Qt::NoPen) : QPen(colorRef(d + 40), u32(d + 32));
            if (style >= 1 && style <= 4)
                object.pen.setStyle(Qt::PenStyle(style + 1));
            m_objects[u32(d + 8)] = object;
        }
        break;
    case CreateBrushIndirect:
        if (need(24)) {
            GdiObject object;
            object.kind = GdiObject::Kind::Brush;
            const quint32 style = u32(d + 12);
            object.brush = style == 1 ? QBrush(Qt::NoBrush) : QBrush(colorRef(d + 16));
            m_objects[u32(d + 8)] = object;
        }
        break;
    case ExtCreateFontIndirectW:
        createFont(d, size);
        break;
    case Rectangle:
    case Ellipse:
        if (need(24)) {
            QPainterPath path;
            const QRectF box = rect32(d + 8).normalized();
            type == Rectangle ? path.addRect(box) : path.addEllipse(box);
            drawShape(path, true);
        }
        break;
    case RoundRect:
        if (need(32)) {
            QPainterPath path;
            path.addRoundedRect(rect32(d + 8).normalized(), i32(d + 24) / 2.0, i32(d + 28) / 2.0);
            drawShape(path, true);
        }
        break;
    case BitBlt:
        // Without a source bitmap a block transfer paints the rectangle with the brush.
        if (need(100) && u32(d + 84) == 0 && m_state.brush.style() != Qt::NoBrush) {
            const QRectF box(point32(d + 24), QSizeF(i32(d + 32), i32(d + 36)));
            m_painter->fillPath(logicalToTarget().map([&] {
                QPainterPath p;
                p.addRect(box);
                return p;
            }()),
                                m_state.brush);
        }
        break;
    case Polygon:
    case Polyline:
    case Polygon16:
    case Polyline16: {
        const bool wide = type == Polygon || type == Polyline;
        const QPolygonF polygon = wide ? points32(d, size, 24, 28) : points16(d, size, 24, 28);
        if (polygon.size() < 2)
            break;
        QPainterPath path;
        path.addPolygon(polygon);
        const bool closed = type == Polygon || type == Polygon16;
        if (closed)
            path.closeSubpath();
        drawShape(path, closed);
        break;
    }
    case PolylineTo16: {
        QPolygonF polygon = points16(d, size, 24, 28);
        if (polygon.isEmpty())
            break;
        polygon.prepend(m_state.current);
        m_state.current = polygon.back();
        QPainterPath path;
        path.addPolygon(polygon);
        drawShape(path, false);
        break;
    }
    case PolyPolygon16:
        if (need(32)) {
            const quint32 polygons = u32(d + 24);
            const quint32 total = u32(d + 28);
            if (polygons > (size - 32) / 4 || total > (size - 32 - 4 * polygons) / 4)
                break;
            QPainterPath path;
            const char *pointAt = d + 32 + 4 * polygons;
            for (quint32 i = 0; i < polygons; ++i) {
                const quint32 count = u32(d + 32 + 4 * i);
                if (count > total)
                    break;
                QPolygonF polygon;
                for (quint32 k = 0; k < count && pointAt + 4 <= d + size; ++k, pointAt += 4)
                    polygon << point16(pointAt);
                path.addPolygon(polygon);
                path.closeSubpath();
            }
            drawShape(path, true);
        }
        break;
    case LineTo:
        if (need(16)) {
            QPainterPath path(m_state.current);
            m_state.current = point32(d + 8);
            path.lineTo(m_state.current);
            drawShape(path, false);
        }
        break;
    case ExtTextOutW:
        drawText(d, size);
        break;
    default:
        break;
    }
}

void EmfPlayer::play(QPainter &painter, const QRectF &target)
{
    if (!m_valid || target.isEmpty())
        return;
    // The frame (hundredths of a millimetre) in reference-device pixels is what fills the target.
    const double pxPerMmX = m_devicePixels.width() / m_deviceMillimetres.width();
    const double pxPerMmY = m_devicePixels.height() / m_deviceMillimetres.height();
    const QRectF framePixels(m_frame.left() / 100.0 * pxPerMmX, m_frame.top() / 100.0 * pxPerMmY,
                             m_frame.width() / 100.0 * pxPerMmX, m_frame.height() / 100.0 * pxPerMmY);
    m_deviceToTarget = QTransform::fromTranslate(-framePixels.left(), -framePixels.top())
        * QTransform::fromScale(target.width() / framePixels.width(), target.height() / framePixels.height())
        * QTransform::fromTranslate(target.left(), target.top());
    m_painter = &painter;
    m_state = State{};
    m_saved.clear();
    m_objects.clear();
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const char *data = m_bytes.constData();
    const qsizetype total = m_bytes.size();
    qsizetype at = 0;
    while (at + 8 <= total) {
        const quint32 type = u32(data + at);
        const quint32 size = u32(data + at + 4);
        if (size < 8 || size % 4 != 0 || size > quint64(total - at))
            break;
        if (type == Eof)
            break;
        playRecord(type, data + at, size);
        at += size;
    }
    painter.restore();
    m_painter = nullptr;
}

}  // namespace celvane
