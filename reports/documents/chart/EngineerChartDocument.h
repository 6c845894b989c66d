#pragma once

#include "ChartPrintGrid.h"
#include "ChartPrintRows.h"
#include "EngineerChartChoices.h"
#include "framework/PrintSettings.h"

#include <QHash>
#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

class MarkerWriter;

// The engineer chart (技術者体系図, "gijutsutaikei.xls"): a saved version of the
// organisation chart with each subcontractor as a framed block at its place on the chart's
// grid (company, chief engineer with birth date, full-time or not, certificate picture),
// joined to the block it works under by lines of cell edges when asked. The page head
// carries the project and the prime contractor's chief engineer. Every page up to the last
// block's is printed, one without blocks with its head alone; a version of the prime
// contractor alone prints the template's page unwritten.
class EngineerChartDocument
{
public:
    EngineerChartDocument(TDataModule1 &data, PrintSettings settings, ChartPrintConfig config,
                          EngineerChartChoices choices);

    // Fills the engine from FileName to Page.Close; the caller previews, prints or saves.
    void Build(celvane::Celvane &engine);
    // The markers the last Build wrote, to hold the document to its template's manifest.
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString SheetName = QStringLiteral("技術者体系図");

private:
    void WriteHead(MarkerWriter &writer, const ChartPrintBox *prime);
    void WriteBlock(MarkerWriter &writer, const ChartPrintBox &box);
    void WriteParticulars(MarkerWriter &writer, const ContractorParticulars &particulars, int colour, int x, int y);
    void DrawConnector(MarkerWriter &writer, const ChartPrintBox &child, const PrintPlace &place);

    TDataModule1 &m_data;
    PrintSettings m_settings;
    ChartPrintConfig m_config;
    EngineerChartChoices m_choices;
    ChartPrintGrid m_grid;
    QHash<QString, ChartPrintBox> m_byCode;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
