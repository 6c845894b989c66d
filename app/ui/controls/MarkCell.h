#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

// A grid's mark column (SAGYOIN.SEL and the like): each cell a raised box holding a
// 14 × 14 check picture, 2 pixels from the cell's corner, ticked when the row is marked.
namespace MarkCell {

// The two check pictures (a window's Image1 and Image2).
QPixmap picture(bool marked);
void paint(QPainter &painter, const QRect &cell, const QPixmap &picture);

}  // namespace MarkCell
