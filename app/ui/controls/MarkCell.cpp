#include "MarkCell.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace MarkCell {

QPixmap picture(bool marked)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, 13, 13);
    if (marked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawPolyline(QPolygonF({QPointF(3, 7), QPointF(6, 10), QPointF(11, 3)}));
    }
    return pixmap;
}

void paint(QPainter &painter, const QRect &cell, const QPixmap &picture)
{
    QStyleOptionButton frame;
    frame.rect = cell;
    frame.state = QStyle::State_Enabled | QStyle::State_Raised;
    frame.palette = QApplication::palette();
    QApplication::style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &frame, &painter);
    painter.drawPixmap(cell.topLeft() + QPoint(2, 2), picture);
}

}  // namespace MarkCell
