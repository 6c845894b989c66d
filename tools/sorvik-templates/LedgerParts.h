#pragma once

#include "SheetBuilder.h"

#include <QStringList>

namespace templates {

// Sections shared by the construction-system ledger, the re-subcontracting notice and the
// regional ledger pages. Each lays a section out over a band of thirteen columns (two
// label columns, eleven value columns of the same widths on every form) from a given row
// and returns the row after it. A line of a section takes `rowsPerLine` sheet rows, so
// that a form with more rows to the page gets taller lines. An empty marker name leaves
// the value cell blank, as the forms print the items the program has no value for.
class LedgerParts
{
public:
    LedgerParts(SheetBuilder &sheet, int firstColumn, int rowsPerLine = 1);

    // The band's column widths in millimetres: labels 16 + 16, values 11 × 14.
    static void setColumns(SheetBuilder &sheet, int firstColumn);
    static constexpr int kColumns = 13;

    CellLook label() const;
    CellLook value() const;
    int column(int index) const { return m_first + index; }  // 0, 1: labels; 2 … 12: values
    // The sheet row of a section's line, counted from the section's first row.
    int at(int row, int line) const { return row + line * m_pitch; }
    Area span(int row, int fromIndex, int toIndex, int lines = 1) const;

    // A label over both label columns and one value over the rest.
    int line(int row, const QString &caption, const QString &marker);
    int heading(int row, const QString &text);
    int permits(int row, const QStringList &numbers);
    int period(int row, const QString &from, const QString &to, const QString &contractCaption,
               const QString &contract);
    int insurance(int row);
    // A person with the authority given and how objections are raised, over two rows.
    int personWithAuthority(int row, const QString &caption, const QString &name, const QString &authority,
                            const QString &objection);
    // 主任技術者 (or the kind the label marker names), 専任・非専任, name and qualification.
    int chiefEngineer(int row, const QString &kindMarker, const QString &caption, const QString &fullTime,
                      const QString &name, const QString &qualification);
    // Two specialist engineers side by side: name, qualification, work in charge.
    int specialists(int row, const QStringList &first, const QStringList &second);
    int safetyOfficers(int row, const QString &officer, const QString &promoter, const QString &manager);
    // 〒, post code and address; `captioned` puts 住所 in the label columns.
    int address(int row, const QString &post, const QString &address, bool captioned = true);
    // The subcontractor's section of every ledger page: company to specialists.
    int subcontractor(int row, const QString &title);

    // Rows 1–4 of the creating contractor's ledger page: date, title, company and office.
    void ledgerHead();
    // The creating contractor's permits, project, client, period, contract offices,
    // insurance and the client's supervisors, from the row given.
    int primeParticulars(int row);

private:
    int projectAndClient(int row);   // 工事名称及び工事内容, 発注者名及び住所
    int contractOffices(int row);    // 契約営業所: 元請契約, 下請契約
    int clientSupervisors(int row);  // 発注者の監督員名 and their authority
    void valueCell(const Area &area, const QString &marker, const CellLook &look);

    SheetBuilder &m_sheet;
    int m_first;
    int m_pitch;
};

}  // namespace templates
