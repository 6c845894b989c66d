#pragma once

#include "RosterChoices.h"
#include "framework/PrintSettings.h"

#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The worker roster (作業員名簿, "sagyoinmeibo.xls"): ten marked workers to a page, two
// template rows each, under a page header of the prime contractor's site office and
// manager, the contractor with its tier and the four remark lines. The header is written
// on every page; a running number counts the workers across pages. With no marked worker
// nothing is written, not even the header.
class RosterDocument
{
public:
    RosterDocument(TDataModule1 &data, PrintSettings settings, RosterChoices choices);

    // Fills the engine from FileName to Page.Close; the caller previews, prints or saves.
    void Build(celvane::Celvane &engine);
    // The markers the last Build wrote, to hold the document to its template's manifest.
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("sagyoinmeibo.xls");
    static inline const QString SheetName = QStringLiteral("作業員名簿");
    static constexpr int WorkersPerPage = 10;

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    RosterChoices m_choices;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
