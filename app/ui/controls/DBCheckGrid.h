#pragma once

#include "BoundControl.h"

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;

// A row of ten check boxes captioned "①" to "⑩" bound to a column of ten characters,
// the n-th "1" when box n is checked and "0" when not (the tool editor's inspection
// rows). Putting a text sets the boxes without a change (missing characters read as
// unchecked); a click by the user puts the record into edit and writes all ten at once.
class DBCheckGrid : public DataBoundControl<QWidget>
{
    Q_OBJECT
public:
    static constexpr int BoxCount = 10;
    // Every box is this wide, so that a row of values can be lined up under the boxes.
    static constexpr int BoxWidth = 48;

    explicit DBCheckGrid(QWidget *parent = nullptr);

    void Put(const QString &text);
    QString Get() const;
    QCheckBox *Box(int number) const { return m_boxes.value(number - 1); }  // 1 to 10

private:
    void reload();

    QList<QCheckBox *> m_boxes;
};
