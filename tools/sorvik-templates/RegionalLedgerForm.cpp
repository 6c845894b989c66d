// The regional ledger forms (the prefecture's own layouts, 北海道 by default), five sheets
// in one workbook: the posted notice to subcontractors (別記第１号様式), the prime
// contractor's ledger page with all its engineers (施工体制台帳１), the notice to one
// subcontractor (別記第２号様式), the subcontractor's ledger page (施工体制台帳２) and the
// subcontract's terms with the tier mark (施工体制台帳３). Each sheet is one page of the
// rows the document sets for it.
#include "Forms.h"
#include "FormBook.h"
#include "LedgerParts.h"
#include "LetterParts.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;

// A page on the ledger's columns, its rows `rowHeight` high; a title takes rows 1–3.
void ledgerPage(SheetBuilder &s, int lastRow, double rowHeight, const QString &title = {})
{
    s.page(Paper::A4, Orientation::Portrait, 10.0);
    LedgerParts::setColumns(s, 1);
    s.printArea(LedgerParts::kColumns, lastRow);
    s.rows(1, lastRow, rowHeight);
    if (title.isEmpty())
        return;
    const LedgerParts head(s, 1);
    s.rows(1, 1, 4);
    s.rows(2, 2, 8);
    s.text(head.span(2, 0, 12), title, head.label().sized(15).bolded());
    s.rows(3, 3, 3);
}

// Lines the prime contractor fills in when a page comes back to it.
void confirmationBox(SheetBuilder &s, const LedgerParts &p, int row, int rows)
{
    s.text(p.span(row, 9, 10), QStringLiteral("受付年月日"), p.label());
    s.text(p.span(row, 11, 12), QStringLiteral("元請確認印"), p.label());
    s.blank(p.span(row + 1, 9, 10, rows - 1), p.value());
    s.blank(p.span(row + 1, 11, 12, rows - 1), p.value());
    s.box(p.span(row, 9, 12, rows), Line::Medium);
}

SheetBuilder postedNotice()
{
    SheetBuilder s(QStringLiteral("別記第１号様式"));
    LetterParts letter(s);
    s.page(Paper::A4, Orientation::Portrait, 15.0);
    s.fitToOnePage();
    s.rows(1, 24, 9);
    s.text("A1:D1", QStringLiteral("別記第１号様式"), letter.body().sized(9));
    letter.date(1, QStringLiteral("PRDT"));
    s.rows(2, 2, 6);
    letter.title(3, QStringLiteral("下請負人となった皆様へ"));
    s.rows(4, 4, 6);
    letter.field(5, 1, QStringLiteral("工 事 名 称"), QStringLiteral("KJNM"));
    s.rows(6, 6, 6);
    letter.paragraph(
        7, 3,
        QStringLiteral("　この建設工事は、建設業法の規定により施工体制台帳を作成する工事です。\n"
                       "　この建設工事の下請負人となった方は、その請け負った工事の一部を他の建設業を営む者"
                       "に請け負わせたときは、遅滞なく再下請負通知書を元請負人に提出してください。\n"
                       "　通知した事項に変更があったときも、変更の年月日を付記して同様に提出してください。"));
    s.rows(10, 10, 6);
    s.text("A11:C11", QStringLiteral("（元請負人）"), letter.body());
    letter.field(12, 2, QStringLiteral("住　　所"), QStringLiteral("MTAD"));
    letter.field(13, 2, QStringLiteral("名　　称"), QStringLiteral("MTNM"));
    letter.field(14, 2, QStringLiteral("現場代理人"), QStringLiteral("GBNM0"));
    s.rows(15, 15, 6);
    letter.blankLine(16, 1, QStringLiteral("提出場所"));
    letter.blankLine(17, 1, QStringLiteral("担 当 者"));
    s.printArea(LetterParts::kColumns, 24);
    return s;
}

// The prime contractor's page: the whole upper part of the ledger with its supervisor,
// site agent and the four chief engineers (kind, full-time or not, name, qualification and
// the employment date as stored), two lines a row.
SheetBuilder primeLedger()
{
    constexpr int kLastRow = 73;
    SheetBuilder s(QStringLiteral("施工体制台帳１"));
    LedgerParts head(s, 1);
    LedgerParts p(s, 1, 2);
    ledgerPage(s, kLastRow, 3.6);
    head.ledgerHead();
    int row = p.primeParticulars(5);
    row = p.personWithAuthority(row, QStringLiteral("監督員名"), QStringLiteral("KTNM0"), QStringLiteral("KTKG0"),
                                QStringLiteral("KTIK0"));
    row = p.personWithAuthority(row, QStringLiteral("現場代理人名"), QStringLiteral("GBNM0"), QStringLiteral("GBKG0"),
                                QStringLiteral("GBIK0"));

    const int engineers = row;
    s.text(p.span(row, 0, 1, 5), QStringLiteral("監理技術者名\n主任技術者名"), p.label());
    s.text(p.span(row, 2, 3), QStringLiteral("区　分"), p.label());
    s.text(p.span(row, 4, 5), QStringLiteral("専任・非専任"), p.label());
    s.text(p.span(row, 6, 7), QStringLiteral("氏　　名"), p.label());
    s.text(p.span(row, 8, 10), QStringLiteral("資格内容"), p.label());
    s.text(p.span(row, 11, 12), QStringLiteral("雇用年月日"), p.label());
    // "KSNM" of engineer 2 is "KSNM20": the engineer's number, then the upper section's 0.
    const auto engineer = [](const char *column, int n) { return QLatin1String(column) + QString::number(n) + u'0'; };
    for (int n = 1; n <= 4; ++n) {
        const int r = p.at(row, n);
        s.marker(p.span(r, 2, 3), engineer("KSNM", n), p.value().center());
        s.marker(p.span(r, 4, 5), engineer("SNSE", n), p.value().center());
        s.marker(p.span(r, 6, 7), engineer("SNNM", n), p.value());
        s.marker(p.span(r, 8, 10), engineer("SNSK", n), p.value());
        s.marker(p.span(r, 11, 12), engineer("SNKYDT", n), p.value().center());
    }
    s.box(p.span(engineers, 0, 12, 5), Line::Thin);
    row = p.specialists(p.at(row, 5), {QStringLiteral("GJNM10"), QStringLiteral("GJSI10"), QStringLiteral("GJKJ10")},
                        {QStringLiteral("GJNM20"), QStringLiteral("GJSI20"), QStringLiteral("GJKJ20")});
    s.frame(Area(1, 5, LedgerParts::kColumns, row - 1), Line::Medium);
    return s;
}

SheetBuilder subcontractorNotice()
{
    SheetBuilder s(QStringLiteral("別記第２号様式"));
    LetterParts letter(s);
    // One page a subcontractor: no fitting, or a viewer would shrink them all onto one.
    s.page(Paper::A4, Orientation::Portrait, 15.0);
    s.rows(1, 25, 9);
    s.text("A1:D1", QStringLiteral("別記第２号様式"), letter.body().sized(9));
    letter.date(1, QStringLiteral("PRDT"));
    s.rows(2, 2, 6);
    letter.field(3, 1, QStringLiteral("住　　所"), QStringLiteral("ADD1"));
    letter.field(4, 1, QStringLiteral("商号又は名称"), QStringLiteral("CPNM1"));
    s.text("A5:C5", QStringLiteral("代表者氏名"), letter.body());
    s.marker("D5:J5", QStringLiteral("PSNM1"), letter.value());
    s.text("K5", QStringLiteral("殿"), letter.body());
    s.underline("D5:K5");
    s.rows(6, 6, 6);
    letter.blankLine(7, 6, QStringLiteral("元請負人"));
    s.rows(8, 8, 6);
    letter.title(9, QStringLiteral("再下請負通知書の提出について（通知）"));
    s.rows(10, 10, 6);
    letter.paragraph(11, 3,
                     QStringLiteral("　貴社に請け負っていただいた下記の建設工事は、建設業法の規定により施工体制台帳を"
                                    "作成する工事です。貴社がこの工事の一部を他の建設業を営む者に請け負わせたときは、"
                                    "遅滞なく再下請負通知書を当社に提出してください。通知した事項に変更があったときも、"
                                    "変更の年月日を付記して同様に提出してください。"));
    letter.recordMark(15);
    letter.item(17, QStringLiteral("１"), QStringLiteral("工 事 名 称"), QStringLiteral("KJNM"));
    s.text("A18", QStringLiteral("２"), letter.body().right());
    letter.blankLine(18, 2, QStringLiteral("提　出　先"));
    letter.closing(20);
    s.printArea(LetterParts::kColumns, 25);
    return s;
}

SheetBuilder subcontractorLedger()
{
    constexpr int kLastRow = 62;
    SheetBuilder s(QStringLiteral("施工体制台帳２"));
    LedgerParts head(s, 1);
    LedgerParts p(s, 1, 2);
    ledgerPage(s, kLastRow, 3.9, QStringLiteral("施工体制台帳（下請負人に関する事項）"));
    int row = p.line(4, QStringLiteral("工 事 名 称"), QStringLiteral("KJNM"));
    s.frame(p.span(4, 0, 12), Line::Medium);
    s.rows(row, row, 3);
    row = p.subcontractor(row + 1, QStringLiteral("【下請負人に関する事項】"));
    s.rows(row, row, 4);
    confirmationBox(s, head, row + 1, kLastRow - row - 1);
    return s;
}

// The subcontract as the region asks for it: tier, rating, retirement mutual aid,
// insurance numbers, the planned amount and how it is paid. The tier cell is 7.5 mm
// wide with an empty cell after it: the program writes 一次・二次以下 there and rings 一次
// (0 to 8 mm) or 二次以下 from 2 mm into the next cell, a millimetre before the fourth
// character of the 10-point text begins.
SheetBuilder subcontractTerms()
{
    constexpr int kLastRow = 58;
    SheetBuilder s(QStringLiteral("施工体制台帳３"));
    LedgerParts head(s, 1);
    LedgerParts p(s, 1, 2);
    ledgerPage(s, kLastRow, 4.2, QStringLiteral("施工体制台帳（下請契約の状況）"));
    s.columns(3, {7.5, 20.5});

    int row = p.line(4, QStringLiteral("工 事 名 称"), QStringLiteral("KJNM"));
    row = p.line(row, QStringLiteral("注 文 者 名"), QStringLiteral("ODCMPNM"));
    // The tier: one unmerged cell whose text runs on into the empty cell after it, in the
    // lower, taller row of the line so that the ring stays inside the line.
    s.text(p.span(row, 0, 1), QStringLiteral("下請負人の区分"), p.label());
    s.rows(row, row, 2.2);
    s.rows(row + 1, row + 1, 6.2);
    s.blank(Area(p.column(2), row, p.column(12), row), p.value());
    s.marker(Area(p.column(2), row + 1), QStringLiteral("UNUM"), CellLook{}.in(kMincho).sized(10).left());
    s.blank(Area(p.column(4), row + 1, p.column(12), row + 1), p.value());
    s.frame(p.span(row, 0, 12), Line::Thin);
    s.vertical(p.column(2), row, row + 1, Line::Thin);
    row = p.at(row, 1);
    s.text(p.span(row, 0, 1), QStringLiteral("会　社　名"), p.label());
    s.marker(p.span(row, 2, 6), QStringLiteral("CPNM1"), p.value().sized(10));
    s.text(p.span(row, 7, 8), QStringLiteral("代表者名"), p.label());
    s.marker(p.span(row, 9, 12), QStringLiteral("PSNM1"), p.value());
    s.box(p.span(row, 0, 12), Line::Thin);
    row = p.address(p.at(row, 1), QStringLiteral("POST1"), QStringLiteral("ADD1"));
    row = p.line(row, QStringLiteral("電話番号"), QStringLiteral("TEL1"));
    row = p.line(row, QStringLiteral("工事内容"), QStringLiteral("KJNY1"));
    row = p.period(row, QStringLiteral("STDT1"), QStringLiteral("FNDT1"), QStringLiteral("契　約　日"),
                   QStringLiteral("SGDT1"));
    row = p.permits(row, {QStringLiteral("11"), QStringLiteral("21")});

    s.text(p.span(row, 0, 1), QStringLiteral("道の格付"), p.label());
    s.marker(p.span(row, 2, 4), QStringLiteral("LANK2"), p.value().center());
    s.text(p.span(row, 5, 6), QStringLiteral("建退共成立日"), p.label());
    s.marker(p.span(row, 7, 8), QStringLiteral("KTKDT"), p.value().center());
    s.text(p.span(row, 9, 9), QStringLiteral("建退共番号"), p.label().sized(7));
    s.marker(p.span(row, 10, 12), QStringLiteral("KTKNO"), p.value());
    s.box(p.span(row, 0, 12), Line::Thin);
    row = p.at(row, 1);

    s.text(p.span(row, 0, 1, 2), QStringLiteral("保険番号"), p.label());
    const QString insurers[3]
        = {QStringLiteral("健康保険"), QStringLiteral("厚生年金保険"), QStringLiteral("雇用保険")};
    const QString numbers[3] = {QStringLiteral("KENPONO"), QStringLiteral("NENKINNO"), QStringLiteral("KOYONO")};
    const int spans[3][2] = {{2, 4}, {5, 8}, {9, 12}};
    for (int i = 0; i < 3; ++i) {
        s.text(p.span(row, spans[i][0], spans[i][1]), insurers[i], p.label());
        s.marker(p.span(p.at(row, 1), spans[i][0], spans[i][1]), numbers[i], p.value());
    }
    s.box(p.span(row, 0, 12, 2), Line::Thin);
    row = p.at(row, 2);

    s.text(p.span(row, 0, 1), QStringLiteral("下請負予定額"), p.label());
    s.marker(p.span(row, 2, 4), QStringLiteral("SALSUM"), p.value().right());
    s.text(p.span(row, 5, 5), QStringLiteral("千円"), p.label().left());
    s.text(p.span(row, 6, 7), QStringLiteral("下請工事の内容"), p.label());
    s.marker(p.span(row, 8, 12), QStringLiteral("KJNY"), p.value());
    s.box(p.span(row, 0, 12), Line::Thin);
    s.vertical(p.column(5), row, p.at(row, 1) - 1, Line::None);
    row = p.at(row, 1);

    // How the subcontract price is paid: advance, partial and on completion.
    s.text(p.span(row, 0, 1, 4), QStringLiteral("下請負代金の\n支払方法"), p.label());
    s.text(p.span(row, 2, 3), QStringLiteral("区　分"), p.label());
    s.text(p.span(row, 4, 6), QStringLiteral("下請代金の割合"), p.label());
    s.text(p.span(row, 7, 9), QStringLiteral("現金の割合"), p.label());
    s.text(p.span(row, 10, 12), QStringLiteral("手形の期間"), p.label());
    struct Payment
    {
        QString kind;
        QString share;  // empty: the kind has no share of its own
        QString cash;
        QString bill;
    };
    const Payment payments[3] = {
        {QStringLiteral("前　金　払"), QStringLiteral("MAEPER"), QStringLiteral("MAEMNYPER"), QStringLiteral("MAEPN")},
        {QStringLiteral("部　分　払"), {}, QStringLiteral("HARFMNYPER"), QStringLiteral("HARFPN")},
        {QStringLiteral("完　成　払"), {}, QStringLiteral("CMPLMNYPER"), QStringLiteral("CMPLPN")},
    };
    for (int i = 0; i < 3; ++i) {
        const int r = p.at(row, 1 + i);
        const Payment &pay = payments[i];
        s.text(p.span(r, 2, 3), pay.kind, p.label());
        if (!pay.share.isEmpty()) {
            s.marker(p.span(r, 4, 5), pay.share, p.value().right());
            s.text(p.span(r, 6, 6), QStringLiteral("％"), p.label().left());
        } else {
            s.text(p.span(r, 4, 6), QStringLiteral("－"), p.label());
        }
        s.marker(p.span(r, 7, 8), pay.cash, p.value().right());
        s.text(p.span(r, 9, 9), QStringLiteral("％"), p.label().left());
        s.marker(p.span(r, 10, 11), pay.bill, p.value().right());
        s.text(p.span(r, 12, 12), QStringLiteral("日"), p.label().left());
    }
    s.box(p.span(row, 0, 12, 4), Line::Thin);
    for (int index : {6, 9, 12})
        s.vertical(p.column(index), p.at(row, 1), p.at(row, 4) - 1, Line::None);
    row = p.at(row, 4);
    s.frame(Area(1, 4, LedgerParts::kColumns, row - 1), Line::Medium);
    s.rows(row, row, 4);
    confirmationBox(s, head, row + 1, kLastRow - row);
    return s;
}

}  // namespace

celvane::Workbook regionalLedger()
{
    FormBook book;
    book.add(postedNotice());
    book.add(primeLedger());
    book.add(subcontractorNotice());
    book.add(subcontractorLedger());
    book.add(subcontractTerms());
    return book.workbook();
}

}  // namespace templates
