#pragma once

#include "QualificationListChoices.h"
#include "framework/PrintSettings.h"

#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The holders of one qualification across the project's contractors (資格者氏名一覧,
// "sikakunames.xls"), 32 to a page, by contractor and worker. A contractor's name is
// written on its first holder's row only, and not repeated when its holders run onto the
// next page.
class QualificationHoldersDocument
{
public:
    QualificationHoldersDocument(TDataModule1 &data, PrintSettings settings, QualificationListChoices choices);

    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("sikakunames.xls");
    static inline const QString SheetName = QStringLiteral("資格者氏名一覧");
    static constexpr int RowsPerPage = 32;

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    QualificationListChoices m_choices;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
