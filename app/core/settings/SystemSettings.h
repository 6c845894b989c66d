#pragma once

#include <QString>
#include <array>

class IniFile;

// The keys the settings window edits, read with their defaults and written back in the
// window's order. `Local` empty means the regional functions are off.
struct SystemSettings
{
    QString CompanyName;
    bool BarCode = false;
    int OldAge = 65;
    int YoungAge = 18;
    bool ExpMenu = true;
    bool PreInDlg = false;
    QString Kengen;
    QString Iken;
    int BloodPressureUpper = 130;
    int BloodPressureLower = 85;
    bool Slash = false;
    std::array<QString, 4> Remarks;
    int TitleColor = 0x800000;      // 0x00BBGGRR
    int TitleFontColor = 0xFFFFFF;  // 0x00BBGGRR
    QString TitleFontName;
    int TitleFontSize = 16;
    bool TitleFontBold = true;
    bool TitleFontItalic = false;
    bool TitleFontUnderline = false;
    bool TitleFontStrikeOut = false;
    QString Local;

    static SystemSettings read(const IniFile &ini);
    // False when the file could not be saved; the keys written before stay in memory.
    bool write(IniFile &ini) const;
};
