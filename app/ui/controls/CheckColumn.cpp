#include "CheckColumn.h"

#include "DBGrid.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <qdrawutil.h>

namespace {

void paintCheckCell(QPainter *painter, const QStyleOptionViewItem &option, bool checked)
{
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    painter->save();
    const QBrush face = option.palette.brush(QPalette::Button);
    qDrawShadePanel(painter, option.rect.adjusted(0, 0, -1, -1), option.palette, false, 1, &face);
    QStyleOptionButton box;
    box.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth, &box, option.widget),
                     style->pixelMetric(QStyle::PM_IndicatorHeight, &box, option.widget));
    box.rect = QRect(option.rect.center() - QPoint(size.width() / 2, size.height() / 2), size);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
    painter->restore();
}

}  // namespace

void MakeCheckColumn(DBGrid &grid, int column, std::function<void(int row)> toggle)
{
    grid.DrawColumnCell = [&grid, column](QPainter *painter, const QStyleOptionViewItem &option, int row, int cell) {
        if (cell != column)
            return false;
        const QModelIndex index = grid.model()->index(row, cell);
        paintCheckCell(painter, option, grid.model()->data(index, Qt::DisplayRole).toString() == QLatin1String("1"));
        return true;
    };
    grid.OnCellClick = [column, toggle = std::move(toggle)](int row, int cell) {
        if (cell == column)
            toggle(row);
    };
}
