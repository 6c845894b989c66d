#include "TplDateEditLabel.h"

#include <QPainter>

namespace {
constexpr int TextMargin = 10;
}

TplDateEditLabel::TplDateEditLabel(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
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
    // The caption stays readable when the control is disabled: the grey fields already
    // say so, and a faint caption on the grey cell would be hard to read.
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}
