// 再下請負通知書 (全建統一様式第１号－甲): A3 landscape in two halves, the reporting
// subcontractor on the left (【報告下請負業者に関する事項】) and the company it placed work
// with on the right (【再下請負関係】), one re-subcontractor a page, rows 1–61.
#include "Forms.h"
#include "FormBook.h"
#include "LedgerParts.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;
constexpr int kLeft = 1;
constexpr int kGap = kLeft + LedgerParts::kColumns;
constexpr int kRight = kGap + 1;
constexpr int kLastColumn = kRight + LedgerParts::kColumns - 1;
constexpr int kLastRow = 61;

// Who the notice goes to, and who sends it.
int addresses(SheetBuilder &s, LedgerParts &left, LedgerParts &right, int row)
{
    const CellLook honorific = left.label().sized(11).left();
    s.text(left.span(row, 0, 1, 2), QStringLiteral("直近上位の\n注文者名"), left.label());
    s.marker(left.span(row, 2, 9), QStringLiteral("CPNM_U"), left.value().sized(11));
    s.marker(left.span(row + 1, 2, 9), QStringLiteral("GBNM_U"), left.value().sized(11));
    s.text(left.span(row + 1, 10, 10), QStringLiteral("殿"), honorific);
    s.underline(left.span(row, 2, 10, 2));
    s.text(left.span(row + 2, 0, 1), QStringLiteral("元 請 名 称"), left.label());
    s.marker(left.span(row + 2, 2, 9), QStringLiteral("CPNM_M"), left.value().sized(11));
    s.text(left.span(row + 2, 10, 10), QStringLiteral("殿"), honorific);
    s.underline(left.span(row + 2, 2, 10));
    s.text(
        left.span(row + 4, 0, 12),
        QStringLiteral("　下記のとおり再下請負契約を締結したので通知します。変更があったときは、その都度届け出ます。"),
        left.label().left().sized(9));

    s.text(right.span(row, 0, 3), QStringLiteral("《報告下請負業者》"), right.label().left().sized(9));
    s.text(right.span(row + 1, 0, 1), QStringLiteral("住　　所"), right.label());
    s.text(right.span(row + 1, 2, 2), QStringLiteral("〒"), right.label().right());
    s.marker(right.span(row + 1, 3, 4), QStringLiteral("POST0"), right.value());
    s.marker(right.span(row + 1, 5, 12), QStringLiteral("ADD0"), right.value());
    s.text(right.span(row + 2, 0, 1), QStringLiteral("会　社　名"), right.label());
    s.marker(right.span(row + 2, 2, 12), QStringLiteral("CPNM0"), right.value().sized(11));
    s.text(right.span(row + 3, 0, 1), QStringLiteral("代表者名"), right.label());
    s.marker(right.span(row + 3, 2, 12), QStringLiteral("PSNM0"), right.value());
    s.text(right.span(row + 4, 0, 1), QStringLiteral("ＴＥＬ"), right.label());
    s.marker(right.span(row + 4, 2, 6), QStringLiteral("TEL0"), right.value());
    s.text(right.span(row + 4, 7, 8), QStringLiteral("ＦＡＸ"), right.label());
    s.marker(right.span(row + 4, 9, 12), QStringLiteral("FAX0"), right.value());
    s.underline(right.span(row + 1, 2, 12, 4));
    for (int r = row + 1; r <= row + 3; ++r)
        s.horizontal(r + 1, right.column(2), right.column(12), Line::Thin);
    return row + 5;
}

int reportingSubcontractor(SheetBuilder &s, LedgerParts &p, int row)
{
    row = p.heading(row, QStringLiteral("【報告下請負業者に関する事項】"));
    const int top = row;
    s.text(p.span(row, 0, 1, 2), QStringLiteral("工事名称及び\n工事内容"), p.label());
    s.marker(p.span(row, 2, 12), QStringLiteral("KJNM"), p.value().sized(10));
    s.marker(p.span(p.at(row, 1), 2, 12), QStringLiteral("KJNY"), p.value());
    s.box(p.span(row, 0, 12, 2), Line::Thin);
    s.horizontal(p.at(row, 1), p.column(2), p.column(12), Line::Hair);
    row = p.period(p.at(row, 2), QStringLiteral("STDT0"), QStringLiteral("FNDT0"), QStringLiteral("注文者との\n契約日"),
                   QStringLiteral("SGDT0"));
    row = p.permits(row, {QStringLiteral("10"), QStringLiteral("20")});
    row = p.insurance(row);
    row = p.personWithAuthority(row, QStringLiteral("監督員名"), QStringLiteral("KTNM0"), QStringLiteral("KTKG0"),
                                QStringLiteral("KTIK0"));
    row = p.personWithAuthority(row, QStringLiteral("現場代理人名"), QStringLiteral("GBNM0"), QStringLiteral("GBKG0"),
                                QStringLiteral("GBIK0"));
    row = p.chiefEngineer(row, {}, QStringLiteral("主任技術者名"), QStringLiteral("SNSE10"), QStringLiteral("SNNM10"),
                          QStringLiteral("SNSK10"));
    row = p.specialists(row, {QStringLiteral("GJNM10"), QStringLiteral("GJSI10"), QStringLiteral("GJKJ10")}, {});
    row = p.safetyOfficers(row, QStringLiteral("ANNM0"), QStringLiteral("ASNM0"), QStringLiteral("KKNM0"));
    s.frame(Area(p.column(0), top, p.column(12), row - 1), Line::Medium);
    return row;
}

// The notes under the reporting subcontractor's half, and the boxes the prime contractor
// fills in when the notice arrives beside them.
void notes(SheetBuilder &s, LedgerParts &left, LedgerParts &right, int row)
{
    const CellLook note = left.label().left().sized(7);
    const QStringList lines = {
        QStringLiteral("（記入要領）"),
        QStringLiteral("１　報告下請負業者は、直近上位の注文者を通じ、元請負人に遅滞なく提出すること。"),
        QStringLiteral("２　再下請負契約がある場合は、再下請負関係の欄に再下請負先ごとに記入すること。"),
        QStringLiteral("３　再下請負契約がない場合も、報告下請負業者に関する事項を記入して提出すること。"),
        QStringLiteral("４　記載事項に変更があったときは、表題の（変更届）を○で囲み、変更後の内容を記入すること。"),
        QStringLiteral("５　主任技術者の欄は、専任・非専任の別と資格内容を記入すること。"),
    };
    const int top = row;
    for (const QString &text : lines)
        s.text(left.span(row++, 0, 12), text, note);
    s.text(right.span(top, 7, 8), QStringLiteral("受付番号"), right.label());
    s.text(right.span(top, 9, 10), QStringLiteral("元請確認欄"), right.label());
    s.text(right.span(top, 11, 12), QStringLiteral("確　認　印"), right.label());
    for (int from : {7, 9, 11})
        s.blank(right.span(top + 1, from, from + 1, int(lines.size()) - 1), right.value());
    s.box(right.span(top, 7, 12, int(lines.size())), Line::Medium);
}

}  // namespace

celvane::Workbook resubcontractNotice()
{
    SheetBuilder s(QStringLiteral("再下請負通知書"));
    // The head and the notes take one sheet row a line, the two halves two.
    LedgerParts left(s, kLeft);
    LedgerParts right(s, kRight);
    LedgerParts leftBody(s, kLeft, 2);
    LedgerParts rightBody(s, kRight, 2);
    s.page(Paper::A3, Orientation::Landscape, 10.0);
    LedgerParts::setColumns(s, kLeft);
    s.columns(kGap, kGap, 8);
    LedgerParts::setColumns(s, kRight);
    s.rows(1, kLastRow, 4.2);

    s.rows(1, 1, 5);
    s.text(left.span(1, 0, 5), QStringLiteral("（全建統一様式第１号－甲）"), left.label().left());
    s.marker(right.span(1, 8, 12), QStringLiteral("PRDT"), right.value().right());
    s.rows(2, 2, 11);
    s.text(Area(kLeft, 2, kLastColumn, 2), QStringLiteral("再　下　請　負　通　知　書（変更届）"),
           left.label().sized(18).bolded());
    s.rows(3, 3, 2);
    s.rows(4, 8, 6.5);
    int row = addresses(s, left, right, 4);
    s.rows(row, row, 3);

    const int body = row + 1;
    const int leftEnd = reportingSubcontractor(s, leftBody, body);
    const int rightEnd = rightBody.subcontractor(body, QStringLiteral("【再下請負関係】"));
    row = std::max(leftEnd, rightEnd);
    s.vertical(kGap, body, row - 1, Line::None);
    s.rows(row, row, 3);
    notes(s, left, right, row + 1);
    s.printArea(kLastColumn, kLastRow);

    return FormBook::single(s);
}

}  // namespace templates
