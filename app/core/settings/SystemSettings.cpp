#include "SystemSettings.h"

#include "config/ConfigKeys.h"
#include "config/IniFile.h"

SystemSettings SystemSettings::read(const IniFile &ini)
{
    SystemSettings s;
    s.CompanyName = Config::read(ini, Config::CompanyName);
    s.BarCode = Config::read(ini, Config::BarCode);
    s.OldAge = Config::read(ini, Config::OldAge);
    s.YoungAge = Config::read(ini, Config::YoungAge);
    s.ExpMenu = Config::read(ini, Config::ExpMenu);
    s.PreInDlg = Config::read(ini, Config::PreInDlg);
    s.Kengen = Config::read(ini, Config::Kengen);
    s.Iken = Config::read(ini, Config::Iken);
    s.BloodPressureUpper = Config::read(ini, Config::BloodPressureUpper);
    s.BloodPressureLower = Config::read(ini, Config::BloodPressureLower);
    s.Slash = Config::read(ini, Config::Slash);
    s.Remarks = {Config::read(ini, Config::Remark1), Config::read(ini, Config::Remark2),
                 Config::read(ini, Config::Remark3), Config::read(ini, Config::Remark4)};
    s.TitleColor = Config::read(ini, Config::TitleColor);
    s.TitleFontColor = Config::read(ini, Config::TitleFontColor);
    s.TitleFontName = Config::read(ini, Config::TitleFontName);
    s.TitleFontSize = Config::read(ini, Config::TitleFontSize);
    s.TitleFontBold = Config::read(ini, Config::TitleFontBold);
    s.TitleFontItalic = Config::read(ini, Config::TitleFontItalic);
    s.TitleFontUnderline = Config::read(ini, Config::TitleFontUnderline);
    s.TitleFontStrikeOut = Config::read(ini, Config::TitleFontStrikeOut);
    s.Local = Config::read(ini, Config::Local);
    return s;
}

bool SystemSettings::write(IniFile &ini) const
{
    bool saved = Config::write(ini, Config::CompanyName, CompanyName);
    saved &= Config::write(ini, Config::BarCode, BarCode);
    saved &= Config::write(ini, Config::OldAge, OldAge);
    saved &= Config::write(ini, Config::YoungAge, YoungAge);
    saved &= Config::write(ini, Config::ExpMenu, ExpMenu);
    saved &= Config::write(ini, Config::PreInDlg, PreInDlg);
    saved &= Config::write(ini, Config::Kengen, Kengen);
    saved &= Config::write(ini, Config::Iken, Iken);
    saved &= Config::write(ini, Config::BloodPressureUpper, BloodPressureUpper);
    saved &= Config::write(ini, Config::BloodPressureLower, BloodPressureLower);
    saved &= Config::write(ini, Config::Slash, Slash);
    saved &= Config::write(ini, Config::Remark1, Remarks[0]);
    saved &= Config::write(ini, Config::Remark2, Remarks[1]);
    saved &= Config::write(ini, Config::Remark3, Remarks[2]);
    saved &= Config::write(ini, Config::Remark4, Remarks[3]);
    saved &= Config::write(ini, Config::TitleColor, TitleColor);
    saved &= Config::write(ini, Config::TitleFontColor, TitleFontColor);
    saved &= Config::write(ini, Config::TitleFontName, TitleFontName);
    saved &= Config::write(ini, Config::TitleFontSize, TitleFontSize);
    saved &= Config::write(ini, Config::TitleFontBold, TitleFontBold);
    saved &= Config::write(ini, Config::TitleFontItalic, TitleFontItalic);
    saved &= Config::write(ini, Config::TitleFontUnderline, TitleFontUnderline);
    saved &= Config::write(ini, Config::TitleFontStrikeOut, TitleFontStrikeOut);
    saved &= Config::write(ini, Config::Local, Local);
    return saved;
}
