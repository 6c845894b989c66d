#pragma once

#include <QString>

class IniFile;

// Every key of "sorvik.ini" with its section and default, so that no window spells a key
// or guesses a default of its own.
namespace Config {

struct TextKey
{
    const char *section;
    const char *key;
    const char *defaultValue;
};
struct IntKey
{
    const char *section;
    const char *key;
    int defaultValue;
};
struct BoolKey
{
    const char *section;
    const char *key;
    bool defaultValue;
};

QString read(const IniFile &ini, const TextKey &key);
int read(const IniFile &ini, const IntKey &key);
bool read(const IniFile &ini, const BoolKey &key);
bool write(IniFile &ini, const TextKey &key, const QString &value);
bool write(IniFile &ini, const IntKey &key, int value);
bool write(IniFile &ini, const BoolKey &key, bool value);

// system. The defaults of dbname and ImageRoot depend on the machine: DefaultDbName()
// and AppContext::AppDir.
inline constexpr TextKey DbName{"system", "dbName", ""};
inline constexpr TextKey DbPc{"system", "dbpc", ""};  // empty: the embedded engine
inline constexpr TextKey ImageRoot{"system", "ImageRoot", ""};
inline constexpr BoolKey Debug{"system", "debug", false};
inline constexpr TextKey SupportMail{"system", "supportmail", ""};
inline constexpr TextKey SupportHp{"system", "supporthp", "https://sorvik.quandor.jp/support/"};

// data
inline constexpr TextKey CompanyName{"data", "CMPNAME", ""};
inline constexpr TextKey KojiCode{"data", "kojicode", "0"};
inline constexpr BoolKey ExpMenu{"data", "EXPMENU", true};
inline constexpr BoolKey BarCode{"data", "BarCode", false};
inline constexpr TextKey Remark1{"data", "remark1", ""};
inline constexpr TextKey Remark2{"data", "remark2", ""};
inline constexpr TextKey Remark3{"data", "remark3", ""};
inline constexpr TextKey Remark4{"data", "remark4", ""};
inline constexpr IntKey BloodPressureUpper{"data", "BMUPR", 130};
inline constexpr IntKey BloodPressureLower{"data", "BMLOW", 85};
// The settings window offers 65; where a worker's age is tested the default is 55.
inline constexpr IntKey OldAge{"data", "OLD", 65};
inline constexpr IntKey OldAgeForAgeTest{"data", "OLD", 55};
inline constexpr IntKey YoungAge{"data", "YOUNG", 18};
// Colours are 0x00BBGGRR: navy for a title label and in the settings window, blue for a
// title panel.
inline constexpr IntKey TitleColor{"data", "TitleColor", 0x800000};
inline constexpr IntKey TitlePanelColor{"data", "TitleColor", 0xFF0000};
inline constexpr IntKey TitleFontColor{"data", "TitleFontColor", 0xFFFFFF};
inline constexpr IntKey TitleFontSize{"data", "TitleFontSize", 16};
inline constexpr TextKey TitleFontName{"data", "TitleFontName", "ＭＳ Ｐゴシック"};
inline constexpr BoolKey TitleFontBold{"data", "TitleFontBold", true};
inline constexpr BoolKey TitleFontItalic{"data", "TitleFontItalic", false};
inline constexpr BoolKey TitleFontUnderline{"data", "TitleFontUnderline", false};
inline constexpr BoolKey TitleFontStrikeOut{"data", "TitleFontStrikeOut", false};
inline constexpr BoolKey PreInDlg{"data", "PREINDLG", false};
inline constexpr TextKey Kengen{"data", "KENGEN", "契約による"};
inline constexpr TextKey Iken{"data", "IKEN", "書面による"};
inline constexpr BoolKey Slash{"data", "Slash", false};
inline constexpr TextKey Local{"data", "Local", "北海道"};

// TAIKEI
inline constexpr IntKey ChartRows{"TAIKEI", "ROWS", 4};
inline constexpr IntKey ChartCols{"TAIKEI", "COLS", 4};
inline constexpr IntKey ChartGRows{"TAIKEI", "GROWS", 3};
inline constexpr TextKey ChartTemplate{"TAIKEI", "GRPTFILE", "gijutsutaikei.xls"};

// $XDG_DATA_HOME/sorvik/sorvik.fdb, or ~/.local/share/sorvik/sorvik.fdb without it.
QString DefaultDbName();

}  // namespace Config
