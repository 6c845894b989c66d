#pragma once

#include "CellStyle.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QTextLayout>

namespace celvane {

// Sets a cell's text into its rectangle as spreadsheet programs print it: horizontal and
// vertical alignment, indent, wrapping, shrinking to fit, rotated and stacked text, and
// distributed letters. Units are the painter's points.
class CellTextPainter
{
public:
    struct Request
    {
        QRectF cell;  // the cell or merge
        QRectF clip;  // where the text may show (wider when it overflows into empty cells)
        QString text;
        QFont font;
        QColor color;
        Alignment alignment;
        bool isNumber = false;
        bool isLogical = false;                // TRUE, FALSE and error values stand centred by default
        QList<QTextLayout::FormatRange> runs;  // formatted runs, when the text has them
        int fillAt = -1;                       // a number format's "*" fill: where it stands
        QChar fillCharacter;                   // and what it repeats across the cell
    };

    static void paint(QPainter &painter, const Request &request);
    // How wide the text is on one line, for the overflow into neighbouring cells.
    static double naturalWidth(QPainter &painter, const QFont &font, const QString &text);
    // The same for a text without line breaks, on `device`.
    static double lineWidth(const QPaintDevice *device, const QFont &font, const QString &text);
    // Room left between the text and the cell's edges, in points, as LibreOffice leaves it.
    static constexpr double kLeftPadding = 0.75;
    static constexpr double kRightPadding = 1.5;
    static constexpr double kPadding = kLeftPadding + kRightPadding;  // both together

private:
    static bool paintPlain(QPainter &painter, const Request &request);
    static void paintStacked(QPainter &painter, const Request &request);
    static void paintRotated(QPainter &painter, const Request &request, int degrees);
    static void paintDistributed(QPainter &painter, const Request &request, const QRectF &room);
    static void paintFilled(QPainter &painter, const Request &request, const QRectF &room);
    // Draws the letters of a one-line layout that show inside the clip; false when all show.
    static bool drawVisiblePart(QPainter &painter, const QTextLayout &layout, const QPointF &origin, const QRectF &clip,
                                const QFont &font, const QTextOption &option);
};

}  // namespace celvane
