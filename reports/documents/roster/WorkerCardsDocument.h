#pragma once

#include "RosterChoices.h"
#include "framework/PrintSettings.h"

#include <QSet>

class DataSet;
class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

class CardBarcode;
class MarkerWriter;
class StoredPicture;
class StriluxControl;

// The worker cards (作業員票, "sagyoincard.xls"): a page per marked worker with the
// contractor, the worker's particulars, photo and barcode, and up to ten qualification
// blocks (two across, five down) with their certificate pictures. A worker with more
// qualifications continues on further pages that repeat the contractor and the name and
// show "（ 2 ページ目）" where the barcode was.
class WorkerCardsDocument
{
public:
    // `barcode` may be null: the cards are printed without barcodes.
    WorkerCardsDocument(TDataModule1 &data, PrintSettings settings, RosterChoices choices, StriluxControl *barcode);

    void Build(celvane::Celvane &engine);
    // The markers the last Build wrote, to hold the document to its template's manifest.
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("sagyoincard.xls");
    static inline const QString SheetName = QStringLiteral("作業員票");
    static constexpr int PageLastRow = 98;
    static constexpr int QualificationsPerPage = 10;

private:
    void writeCard(MarkerWriter &writer, DataSet &worker, CardBarcode &barcode, StoredPicture &pictures);
    void writeQualifications(MarkerWriter &writer, DataSet &worker, StoredPicture &pictures);

    TDataModule1 &m_data;
    PrintSettings m_settings;
    RosterChoices m_choices;
    QSet<QString> m_written;
    StriluxControl *m_barcode;
    QString m_phone;
};

}  // namespace sorvik::documents
