#include "WorkerCardsDocument.h"

#include "CardBarcode.h"
#include "Celvane.h"
#include "RosterTable.h"
#include "WorkerCells.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/TableDataSet.h"
#include "dates/DateText.h"
#include "db/SqlText.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"
#include "framework/StoredPicture.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

namespace {

const QSizeF kPhotoBox(34, 41);
const QSizeF kCertificateBox(107, 64);
constexpr int kEngineOption304 = 304;

}  // namespace

WorkerCardsDocument::WorkerCardsDocument(TDataModule1 &data, PrintSettings settings, RosterChoices choices,
                                         StriluxControl *barcode)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
    , m_barcode(barcode)
{
}

void WorkerCardsDocument::Build(celvane::Celvane &engine)
{
    CardBarcode barcode(m_barcode);
    engine.Options().Set(kEngineOption304, 6);
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName, QStringLiteral("1"));

    m_phone.clear();
    m_data.GetContractorItem(m_choices.kojiCode, m_choices.gyoCode, QStringLiteral("TEL"),
                             DateToDateText(QDate::currentDate()), m_phone);
    StoredPicture pictures(m_data);
    TableDataSet workers(m_data.IBTransaction1);
    RosterTable::Open(workers, m_choices, true);
    int card = 1;
    for (workers.First(); !workers.Eof(); workers.Next()) {
        if (card > 1)
            writer.NewPage();
        writer.SetRows(1, PageLastRow);
        writeCard(writer, workers, barcode, pictures);
        ++card;
    }
    writer.Close();
    m_written = writer.written();
}

void WorkerCardsDocument::writeCard(MarkerWriter &writer, DataSet &worker, CardBarcode &barcode,
                                    StoredPicture &pictures)
{
    const auto text = [&](const char *column) { return worker.FieldByName(QLatin1String(column)).AsString(); };
    writer.Value(QStringLiteral("**CMPNM"), m_choices.contractorLabel);
    writer.Value(QStringLiteral("**CMPTEL"), m_phone);
    writer.Value(QStringLiteral("**KYONO"), text("KYONO"));
    barcode.place(writer,
                  CardBarcode::Code(m_settings.useBarcode, text("BARCDNO"),
                                    worker.FieldByName(QStringLiteral("GYOCD")).AsInteger(),
                                    worker.FieldByName(QStringLiteral("INCD")).AsInteger()));
    pictures.place(writer, QStringLiteral("**PHOTO"), text("SDFL"), kPhotoBox);
    WriteWorkerCells(writer, worker);
    writeQualifications(writer, worker, pictures);
}

void WorkerCardsDocument::writeQualifications(MarkerWriter &writer, DataSet &worker, StoredPicture &pictures)
{
    const auto code
        = [&](const char *column) { return SqlIntOrNull(worker.FieldByName(QLatin1String(column)).AsString()); };
    QueryDataSet qualifications(m_data.IBTransaction1);
    qualifications.SetSQL(QStringLiteral("Select * from INSIKAKU where KJCD = ") + code("KJCD")
                          + QStringLiteral(" and GYOCD = ") + code("GYOCD") + QStringLiteral(" and INCD = ")
                          + code("INCD") + QStringLiteral(" order by KBN,SKNM"));
    qualifications.Open();
    int block = 0;
    int page = 1;
    for (qualifications.First(); !qualifications.Eof(); qualifications.Next()) {
        if (block == QualificationsPerPage) {
            writer.NewPage();
            writer.SetRows(1, PageLastRow);
            ++page;
            writer.Value(QStringLiteral("**CMPNM"), m_choices.contractorLabel);
            writer.Value(QStringLiteral("**BACD"), QStringLiteral("（ %1 ページ目）").arg(page));
            writer.Value(QStringLiteral("**NAME"), worker.FieldByName(QStringLiteral("NAME")).AsString());
            block = 0;
        }
        const int column = 7 * (block % 2);
        const int row = 17 * (block / 2);
        const auto text = [&](const char *name) { return qualifications.FieldByName(QLatin1String(name)).AsString(); };
        writer.Value(QStringLiteral("**SKNM"), text("SKNM"), column, row);
        writer.Value(QStringLiteral("**SKNO"), text("SKNO"), column, row);
        writer.Value(QStringLiteral("**SKDT"), DocumentValues::EraShort(text("SKDT")), column, row);
        writer.Value(QStringLiteral("**YKDT"), DocumentValues::EraShort(text("YOBIS1")), column, row);
        pictures.place(writer, QStringLiteral("**GAZ"), text("YOBIS2"), kCertificateBox, column, row);
        ++block;
    }
}

}  // namespace sorvik::documents
