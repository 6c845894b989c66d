#include "EngineerChartChoices.h"

#include "config/ConfigKeys.h"

namespace sorvik::documents {

ChartPrintConfig ChartPrintConfig::read(const IniFile *ini)
{
    ChartPrintConfig config;
    if (ini) {
        config.templateFile = Config::read(*ini, Config::ChartTemplate);
        config.chartRows = Config::read(*ini, Config::ChartRows);
        config.printRows = Config::read(*ini, Config::ChartGRows);
        config.slash = Config::read(*ini, Config::Slash);
    }
    return config;
}

}  // namespace sorvik::documents
