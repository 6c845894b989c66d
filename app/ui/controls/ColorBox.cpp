#include "ColorBox.h"

#include "bases/TitleStyle.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

int toBgr(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QIcon swatch(int bgr)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(TitleStyle::fromBgr(bgr));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

struct Named
{
    const char *name;
    int bgr;
};

const Named basicColors[] = {
    {"黒", 0x000000}, {"栗色", 0x000080}, {"緑", 0x008000},     {"オリーブ", 0x008080},
    {"紺", 0x800000}, {"紫", 0x800080},   {"青緑", 0x808000},   {"灰色", 0x808080},
    {"銀", 0xC0C0C0}, {"赤", 0x0000FF},   {"ライム", 0x00FF00}, {"黄", 0x00FFFF},
    {"青", 0xFF0000}, {"赤紫", 0xFF00FF}, {"水色", 0xFFFF00},   {"白", 0xFFFFFF},
};

}  // namespace

ColorBox::ColorBox(QWidget *parent)
    : QComboBox(parent)
{
    setIconSize(QSize(24, 14));
    for (const Named &color : basicColors)
        addColor(QString::fromUtf8(color.name), color.bgr);
    m_otherIndex = count();
    addItem(QStringLiteral("その他…"));
    connect(this, &QComboBox::activated, this, &ColorBox::chooseOther);
}

int ColorBox::addColor(const QString &name, int bgr)
{
    const int index = m_otherIndex < 0 ? count() : m_otherIndex++;
    insertItem(index, swatch(bgr), name, bgr);
    return index;
}

int ColorBox::value() const
{
    return currentData().toInt();
}

void ColorBox::setValue(int bgr)
{
    int index = findData(bgr);
    if (index < 0)
        index = addColor(QStringLiteral("#%1").arg(TitleStyle::fromBgr(bgr).name().mid(1).toUpper()), bgr);
    setCurrentIndex(index);
    m_lastIndex = index;
}

void ColorBox::chooseOther(int index)
{
    if (index != m_otherIndex) {
        m_lastIndex = index;
        return;
    }
    const QColor chosen = QColorDialog::getColor(TitleStyle::fromBgr(itemData(m_lastIndex).toInt()), this);
    if (chosen.isValid())
        setValue(toBgr(chosen));
    else
        setCurrentIndex(m_lastIndex);
}
