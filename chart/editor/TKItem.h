#pragma once

#include "ChartBox.h"
#include "TItemBase.h"

class QColor;
class TLayout;

// A contractor's box on the organisation chart: the raised box in its colour with its frame
// line, the company name, the work, the chief engineer and the work period. A change made
// while the user arranges the chart marks the chart modified; a box being filled by a
// chart build (Loading) marks nothing.
class TKItem : public TItemBase
{
public:
    explicit TKItem(TLayout &layout);

    void Draw() override;
    void DrawPicked() override;
    // The box in navy with white text.
    void DrawSelected() override;
    void Changed() override;

    bool Loading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }

    const ChartBox &Box() const { return m_box; }
    // Each setter stores a different value, fills the box in its colour and reports the
    // change; an equal value does nothing.
    void SetBox(const ChartBox &box);
    void SetFrameStyle(int frameStyle);
    void SetBoxColor(const QString &identifier);

private:
    void DrawContractor(const QColor &fill, const QColor &textColor);
    template<typename T> void Set(T ChartBox::*field, const T &value);

    TLayout &m_layout;
    ChartBox m_box;
    bool m_loading = false;
};
