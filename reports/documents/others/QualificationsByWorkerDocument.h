#pragma once

#include "QualificationListChoices.h"
#include "framework/PrintSettings.h"

#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The qualifications of one contractor's workers (取得資格一覧, "sikakulist.xls"): a page
// per worker, 32 qualifications to a page, licences before trainings and educations. A
// worker with more starts a second page under the same header; the next worker always
// starts a fresh page, told apart by the worker code (namesakes do not share a page, and a
// renamed worker does not split).
class QualificationsByWorkerDocument
{
public:
    QualificationsByWorkerDocument(TDataModule1 &data, PrintSettings settings, QualificationListChoices choices);

    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("sikakulist.xls");
    static inline const QString SheetName = QStringLiteral("取得資格一覧");
    static constexpr int RowsPerPage = 32;

    // "**KBN": the names-master kind of a qualification, empty for kinds 4 and above.
    static QString KindText(int kind);

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    QualificationListChoices m_choices;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
