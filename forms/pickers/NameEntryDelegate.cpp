#include "NameEntryDelegate.h"

#include <QApplication>
#include <QPainter>

void NameEntryDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString entry = item.text;
    item.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const int nameColumn = item.fontMetrics.horizontalAdvance(QStringLiteral("漢字漢字漢字"));
    painter->save();
    painter->setPen(
        item.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text.adjusted(0, 0, -text.width() + nameColumn - 4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      entry.left(9).trimmed());
    painter->drawText(text.adjusted(nameColumn, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, entry.mid(9));
    painter->restore();
}
