#include "RosterDocument.h"

#include "RosterHeader.h"
#include "RosterTable.h"
#include "WorkerCells.h"
#include "data/TableDataSet.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

RosterDocument::RosterDocument(TDataModule1 &data, PrintSettings settings, RosterChoices choices)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
{
}

void RosterDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName, QStringLiteral("1"));
    TableDataSet workers(m_data.IBTransaction1);
    RosterTable::Open(workers, m_choices, true);
    int row = 1;
    int page = 1;
    for (workers.First(); !workers.Eof(); workers.Next()) {
        if (row > WorkersPerPage) {
            writer.NewPage();
            row = 1;
            ++page;
        }
        if (row == 1) {
            writer.SetRows(1, -1);
            WriteRosterHeader(writer, m_data, m_settings, m_choices);
        }
        const int rowOffset = 2 * (row - 1);
        writer.Value(QStringLiteral("**NUM"), qint64((page - 1) * WorkersPerPage + row), 0, rowOffset);
        WriteWorkerCells(writer, workers, rowOffset);
        ++row;
    }
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
