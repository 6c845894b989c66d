#pragma once

#include <QColor>
#include <QFont>

class IniFile;

// The title look the user chooses in the settings (section data of the configuration):
// background, font colour and font. A label's default background is navy, a panel's blue.
struct TitleStyle
{
    QColor background;
    QColor textColor;
    QFont font;

    // Reads the settings; without a configuration the defaults apply.
    static TitleStyle read(const IniFile *ini, bool forPanel);
    // A configuration colour 0x00BBGGRR.
    static QColor fromBgr(int bgr);
};
