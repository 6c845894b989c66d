#include "LedgerDocument.h"

#include "DatedRow.h"
#include "LedgerSections.h"
#include "dates/DateText.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

LedgerDocument::LedgerDocument(TDataModule1 &data, PrintSettings settings, LedgerChoices choices, Kind kind)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
    , m_kind(kind)
{
}

QString LedgerDocument::TemplateFile(Kind kind)
{
    return kind == Kind::Ledger ? QStringLiteral("sekoudaityo.xls") : QStringLiteral("saisita.xls");
}

QString LedgerDocument::SheetName(Kind kind)
{
    return kind == Kind::Ledger ? QStringLiteral("施工体制台帳") : QStringLiteral("再下請負通知書");
}

void LedgerDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile(m_kind));
    writer.Begin();
    writer.Open(SheetName(m_kind));
    db::Transaction &transaction = m_data.IBTransaction1;
    const LedgerRows rows = LedgerRows::Read(transaction, m_choices);
    const QString date = DateToDateText(m_choices.date);
    LedgerSections::EachPage(writer, m_choices.subcontractors, RowsPerPage(m_kind), [&](const QString &code) {
        if (m_kind == Kind::Ledger)
            LedgerSections::LedgerUpper(writer, rows, m_choices);
        else
            LedgerSections::NoticeUpper(writer, rows, m_choices);
        if (const auto subcontractor = DatedRow::Contractor(transaction, m_choices.kojiCode, code, date)) {
            if (m_kind == Kind::Ledger)
                LedgerSections::LedgerSubcontractor(writer, *subcontractor);
            else
                LedgerSections::Subcontractor(writer, *subcontractor);
        }
        return true;
    });
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
