#pragma once

#include "LedgerChoices.h"
#include "framework/PrintSettings.h"

#include <QSet>

class TDataModule1;

namespace celvane {
class Celvane;
}

namespace sorvik::documents {

// The ledger in the regional layouts (地域版指定書式, "dodaityo3.xls"), one sheet per
// layout. 別記第１号様式 and 施工体制台帳１ describe the project and the prime contractor
// only: one page, whatever the subcontractors. The other three give each subcontractor a
// page; 施工体制台帳３ also rings its tier, 一次 or 二次以下.
class RegionalLedgerDocument
{
public:
    // The layouts in the order of the window's buttons (their Tag).
    enum class Layout { Form1 = 0, Ledger1 = 1, Form2 = 2, Ledger2 = 3, Ledger3 = 4 };
    static constexpr int LayoutCount = 5;

    RegionalLedgerDocument(TDataModule1 &data, PrintSettings settings, LedgerChoices choices, Layout layout);

    void Build(celvane::Celvane &engine);
    const QSet<QString> &WrittenMarkers() const { return m_written; }

    static inline const QString TemplateFile = QStringLiteral("dodaityo3.xls");
    static QString SheetName(Layout layout);
    static int RowsPerPage(Layout layout);
    // Only the prime contractor's pages: the notice cannot offer them.
    static bool PrimeOnly(Layout layout) { return layout == Layout::Form1 || layout == Layout::Ledger1; }
    static inline const QString TierWords = QStringLiteral("一次・二次以下");

private:
    TDataModule1 &m_data;
    PrintSettings m_settings;
    LedgerChoices m_choices;
    Layout m_layout;
    QSet<QString> m_written;
};

}  // namespace sorvik::documents
