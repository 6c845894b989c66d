#include "QualificationsByWorkerDocument.h"

#include "QualificationCells.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/SqlStatement.h"
#include "dates/DateText.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

QualificationsByWorkerDocument::QualificationsByWorkerDocument(TDataModule1 &data, PrintSettings settings,
                                                               QualificationListChoices choices)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
{
}

QString QualificationsByWorkerDocument::KindText(int kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("免許");
    case 2:
        return QStringLiteral("技能講習");
    case 3:
        return QStringLiteral("特別教育");
    default:
        return {};
    }
}

void QualificationsByWorkerDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName);
    QueryDataSet rows(m_data.IBTransaction1);
    rows.SetSQL(QStringLiteral("Select * from INSIKAKU where KJCD=? and GYOCD=? order by INCD,KBN"),
                {CodeParam(m_choices.kojiCode), CodeParam(m_choices.gyoCode)});
    rows.Open();

    const QString date = DateToDateText(m_choices.date);
    QString company;
    m_data.GetContractorItem(m_choices.kojiCode, m_choices.gyoCode, QStringLiteral("CPNM"), date, company);
    int row = 1;
    QString pageWorker;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const QString worker = rows.FieldByName(QStringLiteral("INCD")).AsString();
        if (row > RowsPerPage || (!rows.Bof() && worker != pageWorker)) {
            writer.NewPage();
            row = 1;
        }
        if (row == 1) {
            writer.SetRows(1, -1);
            writer.Value(QStringLiteral("**CPNM"), company);
            writer.Value(QStringLiteral("**NAME"),
                         QualificationCells::HolderName(m_data, m_choices.kojiCode, rows, date));
            writer.Value(QStringLiteral("**PRDT"), date);
            pageWorker = worker;
        }
        const int offset = row - 1;
        writer.Value(QStringLiteral("**SKNM"), rows.FieldByName(QStringLiteral("SKNM")).AsString(), 0, offset);
        writer.Value(QStringLiteral("**PRNM"), rows.FieldByName(QStringLiteral("PRNM")).AsString(), 0, offset);
        writer.Value(QStringLiteral("**KBN"), KindText(rows.FieldByName(QStringLiteral("KBN")).AsInteger()), 0, offset);
        QualificationCells::WriteNumberAndDate(writer, rows, offset);
        ++row;
    }
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
