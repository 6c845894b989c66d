#pragma once

#include <QColor>
#include <QPalette>

// A colour as the diagram keeps it: a fixed RGB value, or the desktop's button-face colour.
// Button face stays symbolic until it is drawn, so a diagram follows the desktop theme and an
// owner that stores colours can tell "button face" from whatever RGB value it happens to have.
class ChartColor
{
public:
    explicit constexpr ChartColor(QRgb rgb)
        : m_rgb(rgb & 0xFFFFFFu)
    {
    }

    static constexpr ChartColor ButtonFace()
    {
        ChartColor color(0);
        color.m_buttonFace = true;
        return color;
    }

    constexpr bool IsButtonFace() const { return m_buttonFace; }
    // The RGB value of a fixed colour; meaningless for button face.
    constexpr QRgb RgbValue() const { return m_rgb; }

    QColor Resolve(const QPalette &palette) const
    {
        return m_buttonFace ? palette.color(QPalette::Active, QPalette::Button) : QColor::fromRgb(m_rgb);
    }

    friend constexpr bool operator==(const ChartColor &, const ChartColor &) = default;

private:
    QRgb m_rgb = 0;
    bool m_buttonFace = false;
};
