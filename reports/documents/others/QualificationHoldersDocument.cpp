#include "QualificationHoldersDocument.h"

#include "ProjectRows.h"
#include "QualificationCells.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/SqlStatement.h"
#include "dates/DateText.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

QualificationHoldersDocument::QualificationHoldersDocument(TDataModule1 &data, PrintSettings settings,
                                                           QualificationListChoices choices)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
{
}

void QualificationHoldersDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName);
    QueryDataSet rows(m_data.IBTransaction1);
    rows.SetSQL(QStringLiteral("Select * from INSIKAKU where KJCD=? and SKNM=? order by GYOCD,INCD"),
                {CodeParam(m_choices.kojiCode), m_choices.qualification});
    rows.Open();

    const QString date = DateToDateText(m_choices.date);
    const QString project = ProjectRows::NewestProjectItem(m_data, m_choices.kojiCode, QStringLiteral("KJNM"));
    int row = 1;
    QString lastCompany;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        if (row > RowsPerPage) {
            writer.NewPage();
            row = 1;
        }
        if (row == 1) {
            writer.SetRows(1, -1);
            writer.Value(QStringLiteral("**KJNM"), project);
            writer.Value(QStringLiteral("**SKNM"), m_choices.qualification);
            writer.Value(QStringLiteral("**PRDT"), date);
        }
        const int offset = row - 1;
        const QString gyoCode = rows.FieldByName(QStringLiteral("GYOCD")).AsString();
        QString company = rows.FieldByName(QStringLiteral("CPNM")).AsString();
        m_data.GetContractorItem(m_choices.kojiCode, gyoCode, QStringLiteral("CPNM"), date, company);
        if (company != lastCompany) {
            writer.Value(QStringLiteral("**CPNM"), company, 0, offset);
            lastCompany = company;
        }
        writer.Value(QStringLiteral("**NAME"), QualificationCells::HolderName(m_data, m_choices.kojiCode, rows, date),
                     0, offset);
        QualificationCells::WriteNumberAndDate(writer, rows, offset);
        ++row;
    }
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
