#include "TitleStyle.h"

#include "config/ConfigKeys.h"
#include "config/IniFile.h"

namespace {

template<typename Key> auto setting(const IniFile *ini, const Key &key)
{
    if (ini)
        return Config::read(*ini, key);
    if constexpr (std::is_same_v<Key, Config::TextKey>)
        return QString::fromUtf8(key.defaultValue);
    else
        return key.defaultValue;
}

}  // namespace

QColor TitleStyle::fromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

TitleStyle TitleStyle::read(const IniFile *ini, bool forPanel)
{
    TitleStyle style;
    style.background = fromBgr(setting(ini, forPanel ? Config::TitlePanelColor : Config::TitleColor));
    style.textColor = fromBgr(setting(ini, Config::TitleFontColor));
    style.font = QFont(setting(ini, Config::TitleFontName));
    style.font.setPointSize(setting(ini, Config::TitleFontSize));
    style.font.setBold(setting(ini, Config::TitleFontBold));
    style.font.setItalic(setting(ini, Config::TitleFontItalic));
    style.font.setUnderline(setting(ini, Config::TitleFontUnderline));
    style.font.setStrikeOut(setting(ini, Config::TitleFontStrikeOut));
    return style;
}
