#include "SafetySheetDocument.h"

#include "ProjectRows.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "dates/EraCalendar.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

namespace {

// The weekday as the Japanese calendar names it in full, whatever the machine's locale.
QString weekdayName(const QDate &date)
{
    static const QString names[]
        = {QStringLiteral("月曜日"), QStringLiteral("火曜日"), QStringLiteral("水曜日"), QStringLiteral("木曜日"),
           QStringLiteral("金曜日"), QStringLiteral("土曜日"), QStringLiteral("日曜日")};
    return names[date.dayOfWeek() - 1];
}

}  // namespace

SafetySheetDocument::SafetySheetDocument(TDataModule1 &data, PrintSettings settings, Choices choices)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
{
}

QString SafetySheetDocument::SheetName(Sheet sheet)
{
    switch (sheet) {
    case Sheet::WorkInstruction:
        return QStringLiteral("作業指示書");
    case Sheet::SafetyMeeting:
        return QStringLiteral("安全ミーティング");
    case Sheet::Training:
        break;
    }
    return QStringLiteral("教育実施");
}

QString SafetySheetDocument::DateText(Sheet sheet, const QDate &date)
{
    switch (sheet) {
    case Sheet::WorkInstruction:
        return DocumentValues::CreationDate(date, QStringLiteral("（　gg　e年　m月　d日　分　）"),
                                            QStringLiteral("（　　　　年　　月　　日　分　）"));
    case Sheet::SafetyMeeting:
        if (!date.isValid())
            return QStringLiteral("　　　年　　月　　日（    ）曜日");
        return EraCalendar::format(date, QStringLiteral("gg e年 m月 d日")) + u'（' + weekdayName(date) + u'）';
    case Sheet::Training:
        break;
    }
    return DocumentValues::CreationDate(date, QStringLiteral("gg e年 m月 d日"), QStringLiteral("　　　年　　月　　日"));
}

void SafetySheetDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName(m_choices.sheet));
    writer.SetRows(1, -1);
    writer.Value(QStringLiteral("**MKYMD"), DateText(m_choices.sheet, m_choices.dated ? m_choices.date : QDate()));
    if (m_choices.sheet == Sheet::Training) {
        writer.Value(QStringLiteral("**JIGYONM"),
                     DocumentValues::SiteOffice(m_data, m_choices.kojiCode, m_choices.date));
        const QString manager = DocumentValues::SiteManager(m_data, m_choices.kojiCode, m_choices.date);
        if (!manager.isEmpty())
            writer.Value(QStringLiteral("**SHOTYONM"), manager);
    }
    QueryDataSet prime(m_data.IBTransaction1);
    ProjectRows::OpenPrimeContractor(prime, m_choices.kojiCode, m_choices.primeCode);
    if (!prime.IsEmpty()) {
        writer.Value(QStringLiteral("**CPNM"), prime.FieldByName(QStringLiteral("CPNM")).AsString());
        writer.Value(QStringLiteral("**GBNM"), prime.FieldByName(QStringLiteral("GBNM")).AsString());
    }
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
