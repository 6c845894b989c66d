#include "TPanel.h"

#include <QPainter>

TPanel::TPanel(QWidget *parent, const QString &caption)
    : QFrame(parent)
    , m_caption(caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void TPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(contentsRect(), Qt::AlignCenter, m_caption);
}
