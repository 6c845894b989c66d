#include "ConstructionNoticeDocument.h"

#include "ProjectRows.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "dates/EraCalendar.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

ConstructionNoticeDocument::ConstructionNoticeDocument(TDataModule1 &data, PrintSettings settings, QString kojiCode,
                                                       QDate printed)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_kojiCode(std::move(kojiCode))
    , m_printed(printed)
{
}

void ConstructionNoticeDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName);
    writer.SetRows(1, -1);
    writer.Value(QStringLiteral("**PRDT"), EraCalendar::format(m_printed, QStringLiteral("gg  e年 m月 d日")));
    writer.Value(QStringLiteral("**KJNM"), ProjectRows::NewestProjectItem(m_data, m_kojiCode, QStringLiteral("KJNM")));
    writer.Value(QStringLiteral("**HTYNM"), ProjectRows::NewestProjectItem(m_data, m_kojiCode, QStringLiteral("ODNM")));
    QueryDataSet prime(m_data.IBTransaction1);
    ProjectRows::OpenPrimeContractor(prime, m_kojiCode);
    if (!prime.IsEmpty()) {
        writer.Value(QStringLiteral("**MOTONM"), prime.FieldByName(QStringLiteral("CPNM")).AsString());
        for (const char *column : {"JGNM", "GBNM", "GBKG", "GBIK"})
            writer.Value(QStringLiteral("**") + QLatin1String(column),
                         prime.FieldByName(QLatin1String(column)).AsString());
        const QString notice = prime.FieldByName(QStringLiteral("TEIS")).AsString();
        writer.Value(QStringLiteral("**TEIS"),
                     !notice.isEmpty() ? notice
                                       : prime.FieldByName(QStringLiteral("JGNM")).AsString() + QStringLiteral("  ")
                             + prime.FieldByName(QStringLiteral("GBNM")).AsString());
    }
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
