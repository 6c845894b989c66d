#include "TKItem.h"

#include "BoxColors.h"
#include "FrameStyles.h"
#include "LayoutPainter.h"
#include "TLayout.h"
#include "dates/EraCalendar.h"

namespace {

const QColor kSelectedFill(0x00, 0x00, 0x80);

ChartColor FillOf(const QString &identifier)
{
    const std::optional<unsigned> rgb = BoxColors::Fill(identifier);
    return rgb ? ChartColor(*rgb) : ChartColor::ButtonFace();
}

}  // namespace

TKItem::TKItem(TLayout &layout)
    : TItemBase(layout)
    , m_layout(layout)
{
}

void TKItem::Draw()
{
    DrawContractor(Layout().Resolve(Color()), Qt::black);
}

void TKItem::DrawPicked()
{
    DrawSelected();
}

void TKItem::DrawSelected()
{
    DrawContractor(kSelectedFill, Qt::white);
}

void TKItem::DrawContractor(const QColor &fill, const QColor &textColor)
{
    DrawRaisedBox(fill, textColor);
    LayoutPainter painter(Layout(), BoxRect());
    if (!painter.isActive())
        return;
    const FrameStyles::Style &frame = FrameStyles::Of(m_box.FrameStyle);
    painter.setPen(QPen(Qt::black, frame.width, frame.pen));
    painter.setBrush(fill);
    // Each rectangle ends one pixel before its far corner (Left+Width-inset), and a
    // stroked rectangle reaches one pixel beyond its size.
    for (int inset : frame.insets)
        painter.drawRect(QRect(Left() + inset, Top() + inset, Width() - 2 * inset - 1, Height() - 2 * inset - 1));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(textColor, 1, Qt::SolidLine));
    painter.setFont(Layout().ItemFont());
    const int left = Left() + 3;
    const int width = Width() - 6;
    const auto area = [&](int top, int bottom) { return QRect(left, Top() + top, width, bottom - top); };
    painter.drawText(area(8, 36), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_box.CompanyName);
    painter.drawText(area(36, 64), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_box.WorkContent);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    painter.FittedLine(area(64, 78), centred, m_box.ChiefEngineer);
    if (m_box.StartDate.isValid())
        painter.FittedLine(area(85, 99), centred,
                           EraCalendar::format(m_box.StartDate, QStringLiteral("gee年 mm月 dd日～")));
    if (m_box.EndDate.isValid())
        painter.FittedLine(area(99, 112), centred,
                           EraCalendar::format(m_box.EndDate, QStringLiteral("ee年 mm月 dd日")));
}

void TKItem::Changed()
{
    TItemBase::Changed();
    if (!m_loading)
        m_layout.ItemChanged();
}

void TKItem::SetBox(const ChartBox &box)
{
    if (box == m_box)
        return;
    m_box = box;
    SetColor(FillOf(box.BoxColor));
    Changed();
}

void TKItem::SetFrameStyle(int frameStyle)
{
    Set(&ChartBox::FrameStyle, frameStyle);
}

void TKItem::SetBoxColor(const QString &identifier)
{
    Set(&ChartBox::BoxColor, identifier);
}

template<typename T> void TKItem::Set(T ChartBox::*field, const T &value)
{
    ChartBox box = m_box;
    box.*field = value;
    SetBox(box);
}
