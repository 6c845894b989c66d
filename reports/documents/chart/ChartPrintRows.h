#pragma once

#include "ChartGrid.h"

#include <QList>
#include <QString>
#include <optional>

namespace db {
class Transaction;
}

namespace sorvik::documents {

// A box of a saved chart version as the engineer chart reads it (a TAIKEI row).
struct ChartPrintBox
{
    QString gyoCode;
    QString parentCode;  // HTYCD
    int tier = 0;        // UNUM; 0 the prime contractor
    QString name;        // the company name saved with the chart
    StoredCell cell;
    QString colour;  // YOBIS1
    bool colourIsNull = true;
    int frameStyle = 0;  // YOBIN1
};

// A contractor's particulars (a GYOSYA row) as the engineer chart prints them.
struct ContractorParticulars
{
    QString company;           // CPNM
    QString engineer;          // SNNM1
    QString engineerTitle;     // KSNM1: "主任" or "監理"
    QString engineerBorn;      // SNDT1
    QString fullTime;          // SNSE1: "専任" or "非専任"
    QString certificate;       // SDFILE1, empty when null
    bool siteManager = false;  // ISKJ = 1
};

// The reads of the engineer chart print, on the program's one transaction.
namespace ChartPrintRows {

// The application dates of the project's saved versions, newest first.
QStringList Versions(db::Transaction &transaction, const QString &kojiCode);
// Every box of a version, the prime contractor first, then by page, row and column.
QList<ChartPrintBox> Boxes(db::Transaction &transaction, const QString &kojiCode, const QString &chartDate);
// The particulars valid at `date`; when none were valid yet, the newest (all are later);
// none when the contractor has no particulars at all.
std::optional<ContractorParticulars> Particulars(db::Transaction &transaction, const QString &kojiCode,
                                                 const QString &gyoCode, const QString &date);
// The project's name valid at `date`; when none was valid yet, its newest.
QString ProjectName(db::Transaction &transaction, const QString &kojiCode, const QString &date);

}  // namespace ChartPrintRows

}  // namespace sorvik::documents
