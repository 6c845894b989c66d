#include "SyntheticBold.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QHash>
#include <QPainterPath>

namespace celvane {

bool SyntheticBold::needed(const QFont &font)
{
    if (font.weight() < QFont::DemiBold)
        return false;
    thread_local QHash<QString, bool> hasBold;  // pages may be drawn on several threads
    const QString family = font.family();
    const auto known = hasBold.constFind(family);
    if (known != hasBold.constEnd())
        return !known.value();
    bool bold = false;
    for (const QString &style : QFontDatabase::styles(family))
        bold |= QFontDatabase::weight(family, style) >= QFont::DemiBold;
    hasBold.insert(family, bold);
    return !bold;
}

void SyntheticBold::outline(QPainter &painter, const QTextLayout &layout, const QPointF &origin, const QColor &color)
{
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QPainterPath path;
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
            path.addPath(font.pathForGlyph(glyphs[i]).translated(origin + positions[i]));
        painter.strokePath(path, QPen(color, font.pixelSize() / 30.0));
    }
}

void SyntheticBold::drawText(QPainter &painter, const QPointF &baseline, const QString &text, const QFont &font)
{
    // Setting a font makes the painter look its face up anew at the next text, so the
    // same font is not set again from cell to cell.
    if (painter.font() != font)
        painter.setFont(font);
    painter.drawText(baseline, text);
    if (!needed(font))
        return;
    QTextLayout layout(text, font, painter.device());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QFontMetricsF metrics(font, painter.device());
    outline(painter, layout, baseline - QPointF(0, metrics.ascent()), painter.pen().color());
}

}  // namespace celvane
