#include "TplDateEditLabel.h"

#include <QPainter>

namespace {
constexpr int TextMargin = 10;
}

TplDateEditLabel::TplDateEditLabel(const QString &text, QWidget *parent)
    : QWidget(parent), m_text(text)
{
    setFocusPolicy(Qt::NoFocus);
}

void TplDateEditLabel::setText(const QString &text)
{
    m_text = text;
    update();
}

int TplDateEditLabel::preferredWidth() const
{
    return fontMetrics().horizontalAdvance(m_text) + TextMargin;
}

void TplDateEditLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), CellColor);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}
