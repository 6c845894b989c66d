#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include "TItemBase.h"
#include "TLayoutBase.h"

// A layout that records what the pointer and the repaints did.
class RecordingLayout : public TLayoutBase
{
public:
    using TLayoutBase::TLayoutBase;

    void Redraw() override
    {
        ++redraws;
        TLayoutBase::Redraw();
    }
    void ItemClick(TItemBase *box) override { clicked.append(box); }
    void ItemDblClick(TItemBase *box) override { doubleClicked.append(box); }

    int redraws = 0;
    QList<TItemBase *> clicked;
    QList<TItemBase *> doubleClicked;
};

// A box that tells when it is freed.
class CountedItem : public TItemBase
{
public:
    CountedItem(TLayoutBase &layout, int *freed)
        : TItemBase(layout)
        , m_freed(freed)
    {
    }
    ~CountedItem() override { ++*m_freed; }

private:
    int *m_freed;
};

// The organisation chart's grid: 130-pixel cells, five columns (one fixed), three pages of
// four rows, its colours, the control and its bitmap sized to the grid.
void ConfigureChartGrid(TLayoutBase &layout);
// A plain box added (and so placed) under `parent`.
TItemBase *AddBox(TLayoutBase &layout, TItemBase *parent, const QString &caption = {});
// Centre of a box in control coordinates.
QPoint CentreOf(const TItemBase *box);
// Whether a pixel of `color` lies within `radius` pixels of `point`.
bool HasColorNear(const QImage &image, QPointF point, QColor color, int radius = 1);
QColor PixelAt(const QImage &image, int x, int y);
// Shows the layout as an off-screen window, so events travel the platform's way.
void ShowLayout(TLayoutBase &layout);
// Folder for pictures the tests leave for a person to look at.
QString ArtifactPath(const QString &fileName);
