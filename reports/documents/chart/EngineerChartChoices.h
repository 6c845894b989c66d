#pragma once

#include <QDate>
#include <QString>

class IniFile;

namespace sorvik::documents {

// What the engineer chart print is asked for: the saved version of a project's chart, the
// creation date printed in the page head and whether blocks are joined by lines.
struct EngineerChartChoices
{
    QString kojiCode;
    QString chartDate;  // TAIKEI.APDT of the version
    QDate printDate;
    bool linkLines = true;
};

// The configuration the engineer chart follows: its template (TAIKEI/GRPTFILE), the
// editor's rows per page (ROWS), its own rows of blocks per page (GROWS) and whether an
// empty engineer's name is struck through (data/Slash).
struct ChartPrintConfig
{
    QString templateFile = QStringLiteral("gijutsutaikei.xls");
    int chartRows = 4;
    int printRows = 3;
    bool slash = false;

    // The defaults without a configuration.
    static ChartPrintConfig read(const IniFile *ini);
};

}  // namespace sorvik::documents
