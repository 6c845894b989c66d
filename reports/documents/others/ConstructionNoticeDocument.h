#pragma once

#include "framework/PrintSettings.h"

#include <QDate>
#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The notice of construction work (施工体制台帳作成建設工事の通知, "sonota.xls") that the
// prime contractor hands to its subcontractors: the project, its orderer and the prime
// contractor's newest particulars, with the posted notice text or, without one, the site
// office and its manager.
class ConstructionNoticeDocument
{
public:
    ConstructionNoticeDocument(TDataModule1 &data, PrintSettings settings, QString kojiCode, QDate printed);

    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("sonota.xls");
    static inline const QString SheetName = QStringLiteral("工事の通知");

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    QString m_kojiCode;
    QDate m_printed;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
