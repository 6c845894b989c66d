#pragma once

#include <QStyledItemDelegate>

// Draws a names-picker entry as two columns: the abbreviation field of nine characters
// and the name at a fixed position, so that the names line up whatever the width of the
// abbreviation's characters. The entry text itself is left as it is.
class NameEntryDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
