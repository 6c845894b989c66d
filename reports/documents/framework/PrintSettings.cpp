#include "PrintSettings.h"

#include "config/ConfigKeys.h"
#include "program/AppContext.h"

namespace sorvik::documents {

PrintSettings PrintSettings::fromProgram()
{
    const AppContext &context = AppContext::instance();
    PrintSettings settings = read(context.AppDir, context.IniFile);
    settings.useBarcode = context.UseBarcode;
    return settings;
}

PrintSettings PrintSettings::read(const QString &appDir, const IniFile *ini)
{
    PrintSettings settings;
    settings.templateFolder = appDir + QStringLiteral("rpt/");
    if (ini) {
        settings.remarks = {Config::read(*ini, Config::Remark1), Config::read(*ini, Config::Remark2),
                            Config::read(*ini, Config::Remark3), Config::read(*ini, Config::Remark4)};
        settings.useBarcode = Config::read(*ini, Config::BarCode);
    }
    return settings;
}

}  // namespace sorvik::documents
