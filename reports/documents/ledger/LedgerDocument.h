#pragma once

#include "LedgerChoices.h"
#include "framework/PrintSettings.h"

#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The construction-system ledger (施工体制台帳, "sekoudaityo.xls") and the
// re-subcontracting notice (再下請負通知書, "saisita.xls"): a page per chosen
// subcontractor, each under the same upper section (the project and the prime contractor
// on the ledger; the reporting subcontractor, its upper contractor and the prime on the
// notice). Every project and contractor value is the one valid at the creation date.
class LedgerDocument
{
public:
    enum class Kind { Ledger = 1, Notice = 2 };

    LedgerDocument(TDataModule1 &data, PrintSettings settings, LedgerChoices choices, Kind kind);

    // Fills the engine from FileName to Page.Close; the caller previews, prints or saves.
    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static QString TemplateFile(Kind kind);
    static QString SheetName(Kind kind);
    static int RowsPerPage(Kind kind) { return kind == Kind::Ledger ? 63 : 61; }

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    LedgerChoices m_choices;
    Kind m_kind;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
