#include "StyleSheet.h"

#include "ColorPalette.h"

#include <algorithm>

namespace celvane {

const CellFormat &StyleSheet::format(int index) const
{
    if (index < 0 || index >= int(cellFormats.size()))
        return cellFormats.front();
    return cellFormats[index];
}

const Font &StyleSheet::fontOf(int formatIndex) const
{
    const int id = format(formatIndex).fontId;
    return id >= 0 && id < int(fonts.size()) ? fonts[id] : fonts.front();
}

const Fill &StyleSheet::fillOf(int formatIndex) const
{
    const int id = format(formatIndex).fillId;
    return id >= 0 && id < int(fills.size()) ? fills[id] : fills.front();
}

const Border &StyleSheet::borderOf(int formatIndex) const
{
    static const Border none;
    const int id = format(formatIndex).borderId;
    return id >= 0 && id < int(borders.size()) ? borders[id] : none;
}

template<typename T> int StyleSheet::intern(std::vector<T> &table, const T &value)
{
    const auto it = std::find(table.begin(), table.end(), value);
    if (it != table.end())
        return int(it - table.begin());
    table.push_back(value);
    return int(table.size()) - 1;
}

int StyleSheet::withBorder(int formatIndex, const Border &border)
{
    CellFormat changed = format(formatIndex);
    changed.borderId = intern(borders, border);
    auto flag = std::find_if(changed.otherAttributes.begin(), changed.otherAttributes.end(),
                             [](const auto &a) { return a.first == QLatin1String("applyBorder"); });
    if (flag != changed.otherAttributes.end())
        flag->second = QStringLiteral("true");
    else
        changed.otherAttributes.emplace_back(QStringLiteral("applyBorder"), QStringLiteral("true"));
    return intern(cellFormats, changed);
}

quint32 StyleSheet::paletteColor(int index) const
{
    if (index >= 0 && index < int(customPalette.size()))
        return customPalette[index] & 0xFFFFFF;
    return ColorPalette::standard(index);
}

QColor StyleSheet::resolve(const CellColor &color, const QColor &automatic) const
{
    QColor result;
    switch (color.kind) {
    case CellColor::Kind::None:
    case CellColor::Kind::Auto:
        return automatic;
    case CellColor::Kind::Rgb:
        result = QColor::fromRgb(color.argb & 0xFFFFFF);
        break;
    case CellColor::Kind::Indexed:
        if (color.index == 64 || color.index == 0x7FFF)
            return automatic;
        if (color.index == 65)
            return QColor(Qt::white);
        result = QColor::fromRgb(paletteColor(color.index));
        break;
    case CellColor::Kind::Theme:
        result = QColor::fromRgb(color.index >= 0 && color.index < int(themeColors.size())
                                     ? themeColors[color.index]
                                     : ColorPalette::theme(color.index));
        break;
    }
    if (color.tint != 0.0) {
        float h, s, l;
        result.getHslF(&h, &s, &l);
        l = color.tint < 0 ? l * float(1.0 + color.tint) : l * float(1.0 - color.tint) + float(color.tint);
        result = QColor::fromHslF(h, s, std::clamp(l, 0.0f, 1.0f));
    }
    return result;
}

}  // namespace celvane
