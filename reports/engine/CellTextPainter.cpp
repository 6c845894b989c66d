#include "CellTextPainter.h"

#include "SyntheticBold.h"

#include <QHash>
#include <QTextLayout>
#include <cmath>

namespace celvane {

namespace {

Qt::Alignment horizontal(const CellTextPainter::Request &request)
{
    const QString &h = request.alignment.horizontal;
    if (h == QLatin1String("center") || h == QLatin1String("centerContinuous"))
        return Qt::AlignHCenter;
    if (h == QLatin1String("right"))
        return Qt::AlignRight;
    if (h == QLatin1String("left") || h == QLatin1String("fill") || h == QLatin1String("justify"))
        return Qt::AlignLeft;
    if (h == QLatin1String("distributed"))
        return Qt::AlignJustify;
    return request.isLogical ? Qt::AlignHCenter : request.isNumber ? Qt::AlignRight : Qt::AlignLeft;
}

double verticalStart(const CellTextPainter::Request &request, const QRectF &room, double height)
{
    const QString &v = request.alignment.vertical;
    if (v == QLatin1String("top"))
        return room.top();
    if (v == QLatin1String("center") || v == QLatin1String("distributed") || v == QLatin1String("justify"))
        return room.top() + (room.height() - height) / 2;
    return room.bottom() - height;
}

QRectF roomOf(const CellTextPainter::Request &request, double pointSize)
{
    // Indent counts in widths of the font's letters, about three per level.
    const double indent = request.alignment.indent * pointSize * 0.75;
    QRectF room = request.cell.adjusted(CellTextPainter::kLeftPadding, 0.5, -CellTextPainter::kRightPadding, -0.5);
    const Qt::Alignment h = horizontal(request);
    if (h == Qt::AlignRight)
        room.setRight(room.right() - indent);
    else
        room.setLeft(room.left() + indent);
    return room;
}

}  // namespace

double CellTextPainter::naturalWidth(QPainter &painter, const QFont &font, const QString &text)
{
    if (!text.contains(u'\n'))
        return lineWidth(painter.device(), font, text);
    double widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, lineWidth(painter.device(), font, line));
    return widest;
}

namespace {

struct MeasuredLine
{
    QFont font;
    int dpi;
    QString text;
    bool operator==(const MeasuredLine &other) const = default;
};

size_t qHash(const MeasuredLine &line, size_t seed = 0)
{
    return qHashMulti(seed, line.font, line.dpi, line.text);
}

}  // namespace

double CellTextPainter::lineWidth(const QPaintDevice *device, const QFont &font, const QString &text)
{
    // Measuring shapes the text, and a register repeats the same captions, dates and hours
    // on every row: each line is measured once. Kept per thread, as fonts are, and dropped
    // whole when a document of unique texts has filled it.
    thread_local QHash<MeasuredLine, double> widths;
    MeasuredLine line{font, device->logicalDpiY(), text};
    if (const auto found = widths.constFind(line); found != widths.cend())
        return *found;
    if (widths.size() >= 100000)
        widths.clear();
    const double width = QFontMetricsF(font, device).horizontalAdvance(text);
    widths.insert(std::move(line), width);
    return width;
}

bool CellTextPainter::paintPlain(QPainter &painter, const Request &request)
{
    // Most cells hold one short line that fits, or is shrunk until it fits: it is set
    // directly, without a layout or a clip, which keeps a thousand-page document quick to
    // print.
    const Alignment &a = request.alignment;
    if (a.textRotation != 0 || a.wrapText || !request.runs.isEmpty() || request.fillAt >= 0
        || a.vertical == QLatin1String("justify") || a.vertical == QLatin1String("distributed")
        || horizontal(request) == Qt::AlignJustify || request.text.contains(u'\n'))
        return false;
    const double pointSize = request.font.pointSizeF() * painter.device()->logicalDpiY() / 72.0;
    const QRectF room = roomOf(request, pointSize);
    QFont font = request.font;
    double width = lineWidth(painter.device(), font, request.text);
    if (a.shrinkToFit && width > room.width() && width > 0) {
        font.setPointSizeF(request.font.pointSizeF() * std::max(0.05, room.width() / width));
        width = lineWidth(painter.device(), font, request.text);
    }
    const QFontMetricsF metrics(font, painter.device());
    const Qt::Alignment h = horizontal(request);
    const double left = h == Qt::AlignRight ? room.right() - width
        : h == Qt::AlignHCenter             ? room.center().x() - width / 2
                                            : room.left();
    const double top = verticalStart(request, room, metrics.height());
    const QRectF &clip = request.clip;
    if (left < clip.left() || left + width > clip.right() || top < clip.top() - 1
        || top + metrics.height() > clip.bottom() + 1)
        return false;
    painter.setPen(request.color);
    SyntheticBold::drawText(painter, QPointF(left, top + metrics.ascent()), request.text, font);
    return true;
}

void CellTextPainter::paint(QPainter &painter, const Request &request)
{
    if (request.text.isEmpty() || request.cell.width() <= 0 || request.cell.height() <= 0)
        return;
    if (paintPlain(painter, request))
        return;
    painter.save();
    painter.setClipRect(request.clip, Qt::IntersectClip);
    painter.setPen(request.color);
    const int rotation = request.alignment.textRotation;
    if (rotation == 255)
        paintStacked(painter, request);
    else if (rotation > 0 && rotation <= 180)
        paintRotated(painter, request, rotation <= 90 ? rotation : 90 - rotation);
    else {
        Request fitted = request;
        const double pointSize = request.font.pointSizeF() * painter.device()->logicalDpiY() / 72.0;
        QRectF room = roomOf(request, pointSize);
        const bool wrap = request.alignment.wrapText || request.alignment.vertical == QLatin1String("justify")
            || request.alignment.vertical == QLatin1String("distributed");
        if (request.alignment.shrinkToFit && !wrap) {
            const double width = naturalWidth(painter, request.font, request.text);
            if (width > room.width() && width > 0)
                fitted.font.setPointSizeF(request.font.pointSizeF() * std::max(0.05, room.width() / width));
        }
        if (request.fillAt >= 0 && !wrap && !request.text.contains(u'\n')) {
            paintFilled(painter, fitted, room);
        } else if (horizontal(request) == Qt::AlignJustify && !wrap && !request.text.contains(u'\n')) {
            paintDistributed(painter, fitted, room);
        } else {
            const Qt::Alignment h = horizontal(request) == Qt::AlignJustify ? Qt::AlignHCenter : horizontal(request);
            QTextOption option(h);
            option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
            QString text = request.text;
            text.replace(u'\n', QChar::LineSeparator);
            // Text that does not wrap may run past the cell; it is set from where it stands.
            const double lineWidth
                = wrap ? room.width() : std::max(room.width(), naturalWidth(painter, fitted.font, request.text));
            QTextLayout layout(text, fitted.font, painter.device());
            layout.setTextOption(option);
            layout.setFormats(request.runs);
            layout.beginLayout();
            double height = 0;
            const QFontMetricsF metrics(fitted.font, painter.device());
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(lineWidth);
                line.setPosition(QPointF(0, height));
                height += request.runs.isEmpty() ? metrics.height() : line.height();
            }
            layout.endLayout();
            const double top = verticalStart(request, room, height);
            const double left = h == Qt::AlignRight ? room.right() - lineWidth
                : h == Qt::AlignHCenter             ? room.center().x() - lineWidth / 2
                                                    : room.left();
            if (!wrap && request.runs.isEmpty() && layout.lineCount() == 1
                && drawVisiblePart(painter, layout, QPointF(left, top), request.clip, fitted.font, option)) {
                // only the letters that show were drawn
            } else {
                layout.draw(&painter, QPointF(left, top));
                if (request.runs.isEmpty() && SyntheticBold::needed(fitted.font))
                    SyntheticBold::outline(painter, layout, QPointF(left, top), request.color);
            }
        }
    }
    painter.restore();
}

bool CellTextPainter::drawVisiblePart(QPainter &painter, const QTextLayout &layout, const QPointF &origin,
                                      const QRectF &clip, const QFont &font, const QTextOption &option)
{
    // Letters wholly outside the cell's room are left out, as LibreOffice leaves them out, so
    // that a PDF holds the text a reader sees and nothing hidden behind a neighbour.
    const QTextLine line = layout.lineAt(0);
    const QString &text = layout.text();
    int first = 0, last = int(text.size());
    while (first < last && origin.x() + line.cursorToX(first + 1) <= clip.left())
        ++first;
    while (last > first && origin.x() + line.cursorToX(last - 1) >= clip.right())
        --last;
    if (first == 0 && last == text.size())
        return false;
    if (first >= last)
        return true;
    const QString shown = text.mid(first, last - first);
    QTextLayout part(shown, font, painter.device());
    QTextOption left = option;
    left.setAlignment(Qt::AlignLeft);
    part.setTextOption(left);
    part.beginLayout();
    QTextLine partLine = part.createLine();
    partLine.setLineWidth(1e6);
    partLine.setPosition(QPointF(0, line.y()));
    part.endLayout();
    const QPointF at(origin.x() + line.cursorToX(first), origin.y());
    part.draw(&painter, at);
    if (SyntheticBold::needed(font))
        SyntheticBold::outline(painter, part, at, painter.pen().color());
    return true;
}

void CellTextPainter::paintDistributed(QPainter &painter, const Request &request, const QRectF &room)
{
    // Letters spread evenly over the cell, as Japanese forms lay out their captions.
    const QFontMetricsF metrics(request.font, painter.device());
    const QString &text = request.text;
    double letters = 0;
    for (const QChar letter : text)
        letters += metrics.horizontalAdvance(letter);
    const double gap = text.size() > 1 ? std::max(0.0, (room.width() - letters) / (text.size() - 1)) : 0.0;
    double x = text.size() > 1 ? room.left() : room.left() + (room.width() - letters) / 2;
    const double top = verticalStart(request, room, metrics.height());
    for (const QChar letter : text) {
        SyntheticBold::drawText(painter, QPointF(x, top + metrics.ascent()), QString(letter), request.font);
        x += metrics.horizontalAdvance(letter) + gap;
    }
}

void CellTextPainter::paintFilled(QPainter &painter, const Request &request, const QRectF &room)
{
    // What stands before the fill keeps to the left edge, what follows it to the right edge,
    // and the fill character is repeated between them ("¥      1,234").
    const QFontMetricsF metrics(request.font, painter.device());
    const QString before = request.text.left(request.fillAt);
    const QString after = request.text.mid(request.fillAt);
    const double top = verticalStart(request, room, metrics.height()) + metrics.ascent();
    const double afterWidth = metrics.horizontalAdvance(after);
    const double beforeWidth = metrics.horizontalAdvance(before);
    SyntheticBold::drawText(painter, QPointF(room.left(), top), before, request.font);
    SyntheticBold::drawText(painter, QPointF(room.right() - afterWidth, top), after, request.font);
    const double step = metrics.horizontalAdvance(request.fillCharacter);
    if (request.fillCharacter.isSpace() || step <= 0)
        return;
    const int count = int((room.width() - beforeWidth - afterWidth) / step);
    if (count > 0 && count < 10000)
        SyntheticBold::drawText(painter, QPointF(room.left() + beforeWidth, top), QString(count, request.fillCharacter),
                                request.font);
}

void CellTextPainter::paintStacked(QPainter &painter, const Request &request)
{
    const QFontMetricsF metrics(request.font, painter.device());
    const QRectF room = request.cell.adjusted(kLeftPadding, 1, -kRightPadding, -1);
    const double lineHeight = metrics.height();
    QFont font = request.font;
    double step = lineHeight;
    if (request.alignment.shrinkToFit && lineHeight * request.text.size() > room.height()) {
        const double factor = room.height() / (lineHeight * request.text.size());
        font.setPointSizeF(font.pointSizeF() * factor);
        step *= factor;
    }
    const QFontMetricsF used(font, painter.device());
    const double height = step * request.text.size();
    const QString &v = request.alignment.vertical;
    double y = v == QLatin1String("top")              ? room.top()
        : v == QLatin1String("bottom") || v.isEmpty() ? room.bottom() - height
                                                      : room.top() + (room.height() - height) / 2;
    const Qt::Alignment h = horizontal(request);
    for (const QChar letter : request.text) {
        const double width = used.horizontalAdvance(letter);
        const double x = h == Qt::AlignLeft ? room.left()
            : h == Qt::AlignRight           ? room.right() - width
                                            : room.center().x() - width / 2;
        SyntheticBold::drawText(painter, QPointF(x, y + used.ascent()), QString(letter), font);
        y += step;
    }
}

void CellTextPainter::paintRotated(QPainter &painter, const Request &request, int degrees)
{
    const QFontMetricsF metrics(request.font, painter.device());
    const double width = metrics.horizontalAdvance(request.text);
    painter.translate(request.cell.center());
    painter.rotate(-degrees);
    SyntheticBold::drawText(painter, QPointF(-width / 2, metrics.ascent() - metrics.height() / 2), request.text,
                            request.font);
}

}  // namespace celvane
