#include "InspectionSheetDocument.h"

#include "framework/MarkerWriter.h"

namespace sorvik::documents {

InspectionSheetDocument::InspectionSheetDocument(PrintSettings settings, Choices choices)
    : m_settings(std::move(settings))
    , m_choices(std::move(choices))
{
}

QString InspectionSheetDocument::SheetName(Sheet sheet)
{
    switch (sheet) {
    case Sheet::ScaffoldPeriodic:
        return QStringLiteral("足場定期");
    case Sheet::ScaffoldBeforeWork:
        return QStringLiteral("足場始業前");
    case Sheet::MachinePeriodic:
        return QStringLiteral("機械定期");
    case Sheet::MachineBeforeWork:
        break;
    }
    return QStringLiteral("機械始業前");
}

void InspectionSheetDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName(m_choices.sheet));
    writer.SetRows(1, -1);
    writer.Value(QStringLiteral("**JIGYONM"), m_choices.projectName);
    if (m_choices.sheet == Sheet::ScaffoldPeriodic || m_choices.sheet == Sheet::ScaffoldBeforeWork) {
        writer.Value(QStringLiteral("**BASHO"), m_choices.place);
    } else {
        writer.Value(QStringLiteral("**KKNM"), m_choices.machineName);
        writer.Value(QStringLiteral("**JYUNO"), m_choices.acceptance);
    }
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
