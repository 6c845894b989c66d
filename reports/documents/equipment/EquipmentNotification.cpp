#include "EquipmentNotification.h"

#include "Celvane.h"
#include "EquipmentCells.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/SqlStatement.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

namespace {

constexpr int kPageSetting = 805;

}  // namespace

EquipmentNotification::EquipmentNotification(TDataModule1 &data, PrintSettings settings, EquipmentChoices choices,
                                             Layout layout)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
    , m_layout(std::move(layout))
{
}

void EquipmentNotification::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, m_layout.templateFile);
    writer.Begin();
    writer.Open(m_layout.sheetName, m_layout.twoPageForm ? QStringLiteral("1-2") : QStringLiteral("1"));
    if (m_layout.twoPageForm)
        engine.Page().Setup(kPageSetting, 1);

    const QVariantList codes = CodeParams(m_choices.codes.join(u','));
    if (!codes.isEmpty()) {
        const EquipmentTable table = EquipmentTableOf(m_layout.kind);
        QStringList marks;
        for (qsizetype i = 0; i < codes.size(); ++i)
            marks << QStringLiteral("?");
        QueryDataSet records(m_data.IBTransaction1);
        records.SetSQL(QStringLiteral("Select * from %1 where KJCD=? and %2 IN (%3) order by %2")
                           .arg(table.table, table.codeColumn, marks.join(QStringLiteral(", "))),
                       QVariantList{CodeParam(m_choices.kojiCode)} + codes);
        records.Open();
        for (records.First(); !records.Eof(); records.Next()) {
            if (!records.Bof())
                writer.NewPage();
            writer.SetRows(1, m_layout.lastRow);
            EquipmentCells::WriteHeader(writer, m_data, m_choices, records);
            WriteRecord(writer, records);
        }
    }
    // The two-page forms end with a page request of their own; the engine adds a page only
    // when something is written on it, so the request leaves no blank form behind.
    if (m_layout.twoPageForm)
        writer.NewPage();
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
