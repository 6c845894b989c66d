#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QTextLayout>

namespace celvane {

// Faces that have no bold style (the IPA fonts) are made bold as LibreOffice prints them:
// the letters are drawn as text and then outlined with a pen a thirtieth of the font size
// wide. The text stays text, so a PDF can still be searched and copied.
class SyntheticBold
{
public:
    // Whether the font asks for bold and its face has none of its own.
    static bool needed(const QFont &font);
    // Outlines the letters of a laid-out text drawn at the origin.
    static void outline(QPainter &painter, const QTextLayout &layout, const QPointF &origin, const QColor &color);
    // Draws a text on a baseline, outlined when the font needs it.
    static void drawText(QPainter &painter, const QPointF &baseline, const QString &text, const QFont &font);
};

}  // namespace celvane
