#include "LedgerParts.h"

namespace templates {

namespace {
using Line = SheetBuilder::Line;
}

LedgerParts::LedgerParts(SheetBuilder &sheet, int firstColumn, int rowsPerLine)
    : m_sheet(sheet)
    , m_first(firstColumn)
    , m_pitch(rowsPerLine)
{
}

void LedgerParts::setColumns(SheetBuilder &sheet, int firstColumn)
{
    sheet.columns(firstColumn, firstColumn + 1, 16);
    sheet.columns(firstColumn + 2, firstColumn + kColumns - 1, 14);
}

CellLook LedgerParts::label() const
{
    return CellLook{}.in(kMincho).sized(8).center().wrapped();
}

CellLook LedgerParts::value() const
{
    return CellLook{}.sized(9).left().shrunk().indented(1);
}

Area LedgerParts::span(int row, int fromIndex, int toIndex, int lines) const
{
    return {column(fromIndex), row, column(toIndex), at(row, lines) - 1};
}

void LedgerParts::valueCell(const Area &area, const QString &marker, const CellLook &look)
{
    if (marker.isEmpty())
        m_sheet.blank(area, look);
    else
        m_sheet.marker(area, marker, look);
}

int LedgerParts::line(int row, const QString &caption, const QString &marker)
{
    m_sheet.text(span(row, 0, 1), caption, label());
    valueCell(span(row, 2, 12), marker, value());
    m_sheet.box(span(row, 0, 12), Line::Thin);
    return at(row, 1);
}

int LedgerParts::heading(int row, const QString &text)
{
    m_sheet.text(span(row, 0, 12), text, label().left().bolded().sized(9));
    return at(row, 1);
}

int LedgerParts::permits(int row, const QStringList &numbers)
{
    const int count = int(numbers.size());
    m_sheet.text(span(row, 0, 1, count + 1), QStringLiteral("建設業の許可"), label());
    m_sheet.text(span(row, 2, 4), QStringLiteral("許　可　業　種"), label());
    m_sheet.text(span(row, 5, 9), QStringLiteral("許　可　番　号"), label());
    m_sheet.text(span(row, 10, 12), QStringLiteral("許可（更新）年月日"), label());
    for (int i = 0; i < count; ++i) {
        const int r = at(row, 1 + i);
        m_sheet.marker(span(r, 2, 3), QStringLiteral("KYGY") + numbers[i], value().right());
        m_sheet.text(span(r, 4, 4), QStringLiteral("工事業"), label().left());
        m_sheet.marker(span(r, 5, 9), QStringLiteral("KYNUM") + numbers[i], value());
        m_sheet.marker(span(r, 10, 12), QStringLiteral("KYDT") + numbers[i], value().center());
    }
    m_sheet.box(span(row, 0, 12, count + 1), Line::Thin);
    m_sheet.vertical(column(4), at(row, 1), at(row, count + 1) - 1, Line::None);
    return at(row, count + 1);
}

int LedgerParts::period(int row, const QString &from, const QString &to, const QString &contractCaption,
                        const QString &contract)
{
    m_sheet.text(span(row, 0, 1), QStringLiteral("工　　期"), label());
    m_sheet.text(span(row, 2, 2), QStringLiteral("自"), label());
    valueCell(span(row, 3, 4), from, value().center());
    m_sheet.text(span(row, 5, 5), QStringLiteral("至"), label());
    valueCell(span(row, 6, 7), to, value().center());
    m_sheet.text(span(row, 8, 9), contractCaption, label());
    valueCell(span(row, 10, 12), contract, value().center());
    m_sheet.box(span(row, 0, 12), Line::Thin);
    for (int index : {3, 6})
        m_sheet.vertical(column(index), row, at(row, 1) - 1, Line::None);
    return at(row, 1);
}

int LedgerParts::insurance(int row)
{
    const CellLook choice = label().sized(6.5);
    m_sheet.text(span(row, 0, 1, 3), QStringLiteral("健康保険等の\n加入状況"), label());
    m_sheet.text(span(row, 2, 4), QStringLiteral("区　分"), label());
    m_sheet.text(span(at(row, 1), 2, 4), QStringLiteral("保険加入の有無"), label());
    m_sheet.text(span(at(row, 2), 2, 4), QStringLiteral("事業所整理記号等"), label());
    const int columns[3][2] = {{5, 6}, {7, 9}, {10, 12}};
    const QString names[3] = {QStringLiteral("健康保険"), QStringLiteral("厚生年金保険"), QStringLiteral("雇用保険")};
    for (int i = 0; i < 3; ++i) {
        m_sheet.text(span(row, columns[i][0], columns[i][1]), names[i], label());
        m_sheet.text(span(at(row, 1), columns[i][0], columns[i][1]), QStringLiteral("加入 未加入 適用除外"), choice);
        m_sheet.blank(span(at(row, 2), columns[i][0], columns[i][1]), value());
    }
    m_sheet.box(span(row, 0, 12, 3), Line::Thin);
    return at(row, 3);
}

int LedgerParts::personWithAuthority(int row, const QString &caption, const QString &name, const QString &authority,
                                     const QString &objection)
{
    m_sheet.text(span(row, 0, 1, 2), caption, label());
    valueCell(span(row, 2, 6, 2), name, value());
    m_sheet.text(span(row, 7, 8, 2), QStringLiteral("権限及び\n意見申出方法"), label());
    valueCell(span(row, 9, 12), authority, value().sized(8));
    valueCell(span(at(row, 1), 9, 12), objection, value().sized(8));
    m_sheet.box(span(row, 0, 12, 2), Line::Thin);
    m_sheet.horizontal(at(row, 1), column(9), column(12), Line::Hair);
    return at(row, 2);
}

int LedgerParts::chiefEngineer(int row, const QString &kindMarker, const QString &caption, const QString &fullTime,
                               const QString &name, const QString &qualification)
{
    if (kindMarker.isEmpty()) {
        m_sheet.text(span(row, 0, 1), caption, label());
    } else {
        // The program writes the kind (監理 or 主任) in front of the printed rest of the label.
        m_sheet.marker(span(row, 0, 0), kindMarker, label().right());
        m_sheet.text(span(row, 1, 1), caption, label().left());
    }
    if (fullTime.isEmpty())
        m_sheet.text(span(row, 2, 3), QStringLiteral("専任・非専任"), label());
    else
        m_sheet.marker(span(row, 2, 3), fullTime, value().center());
    valueCell(span(row, 4, 6), name, value());
    m_sheet.text(span(row, 7, 8), QStringLiteral("資格内容"), label());
    valueCell(span(row, 9, 12), qualification, value());
    m_sheet.box(span(row, 0, 12), Line::Thin);
    if (!kindMarker.isEmpty())
        m_sheet.vertical(column(1), row, at(row, 1) - 1, Line::None);
    return at(row, 1);
}

int LedgerParts::specialists(int row, const QStringList &first, const QStringList &second)
{
    const QString captions[3]
        = {QStringLiteral("専門技術者名"), QStringLiteral("資格内容"), QStringLiteral("担当工事内容")};
    for (int i = 0; i < 3; ++i) {
        m_sheet.text(span(at(row, i), 0, 1), captions[i], label());
        valueCell(span(at(row, i), 2, 6), first.value(i), value());
        valueCell(span(at(row, i), 7, 12), second.value(i), value());
    }
    m_sheet.box(span(row, 0, 12, 3), Line::Thin);
    return at(row, 3);
}

int LedgerParts::safetyOfficers(int row, const QString &officer, const QString &promoter, const QString &manager)
{
    m_sheet.text(span(row, 0, 1), QStringLiteral("安全衛生責任者名"), label());
    valueCell(span(row, 2, 6), officer, value());
    m_sheet.text(span(row, 7, 8), QStringLiteral("安全衛生推進者名"), label());
    valueCell(span(row, 9, 12), promoter, value());
    m_sheet.text(span(at(row, 1), 0, 1), QStringLiteral("雇用管理責任者名"), label());
    valueCell(span(at(row, 1), 2, 6), manager, value());
    m_sheet.blank(span(at(row, 1), 7, 12), value());
    m_sheet.box(span(row, 0, 12, 2), Line::Thin);
    return at(row, 2);
}

int LedgerParts::address(int row, const QString &post, const QString &address, bool captioned)
{
    if (captioned)
        m_sheet.text(span(row, 0, 1), QStringLiteral("住　　所"), label());
    m_sheet.text(span(row, 2, 2), QStringLiteral("〒"), label().right());
    valueCell(span(row, 3, 4), post, value());
    valueCell(span(row, 5, 12), address, value());
    m_sheet.box(span(row, 0, 12), Line::Thin);
    for (int index : {3, 5})
        m_sheet.vertical(column(index), row, at(row, 1) - 1, Line::None);
    return at(row, 1);
}

int LedgerParts::subcontractor(int row, const QString &title)
{
    row = heading(row, title);
    const int top = row;
    m_sheet.text(span(row, 0, 1), QStringLiteral("会　社　名"), label());
    m_sheet.marker(span(row, 2, 6), QStringLiteral("CPNM1"), value().sized(10));
    m_sheet.text(span(row, 7, 8), QStringLiteral("代表者名"), label());
    m_sheet.marker(span(row, 9, 12), QStringLiteral("PSNM1"), value());
    m_sheet.box(span(row, 0, 12), Line::Thin);
    row = address(at(row, 1), QStringLiteral("POST1"), QStringLiteral("ADD1"));
    row = line(row, QStringLiteral("電話番号"), QStringLiteral("TEL1"));
    m_sheet.text(span(row, 0, 1, 2), QStringLiteral("工事名称及び\n工事内容"), label());
    m_sheet.marker(span(row, 2, 12, 2), QStringLiteral("KJNY1"), value().wrapped());
    m_sheet.box(span(row, 0, 12, 2), Line::Thin);
    row = at(row, 2);
    row = period(row, QStringLiteral("STDT1"), QStringLiteral("FNDT1"), QStringLiteral("契　約　日"),
                 QStringLiteral("SGDT1"));
    row = permits(row, {QStringLiteral("11"), QStringLiteral("21")});
    row = insurance(row);
    row = personWithAuthority(row, QStringLiteral("現場代理人名"), QStringLiteral("GBNM1"), QStringLiteral("GBKG1"),
                              QStringLiteral("GBIK1"));
    row = chiefEngineer(row, {}, QStringLiteral("主任技術者名"), QStringLiteral("SNSE11"), QStringLiteral("SNNM11"),
                        QStringLiteral("SNSK11"));
    row = safetyOfficers(row, QStringLiteral("ANNM1"), QStringLiteral("ASNM1"), QStringLiteral("KKNM1"));
    row = specialists(row, {QStringLiteral("GJNM11"), QStringLiteral("GJSI11"), QStringLiteral("GJKJ11")},
                      {QStringLiteral("GJNM21"), QStringLiteral("GJSI21"), QStringLiteral("GJKJ21")});
    m_sheet.frame(Area(column(0), top, column(12), row - 1), Line::Medium);
    return row;
}

void LedgerParts::ledgerHead()
{
    m_sheet.rows(1, 1, 5);
    m_sheet.marker(span(1, 9, 12), QStringLiteral("PRDT"), value().right().sized(9));
    m_sheet.rows(2, 2, 9);
    m_sheet.text(span(2, 0, 12), QStringLiteral("施　工　体　制　台　帳"), label().sized(16).bolded());
    m_sheet.rows(3, 3, 6);
    m_sheet.text(span(3, 0, 1), QStringLiteral("［会社名］"), label().sized(9));
    m_sheet.marker(span(3, 2, 6), QStringLiteral("CPNM0"), value().sized(10));
    m_sheet.text(span(3, 7, 8), QStringLiteral("［事業所名］"), label().sized(9));
    m_sheet.marker(span(3, 9, 12), QStringLiteral("JGNM0"), value().sized(10));
    m_sheet.underline(span(3, 2, 6));
    m_sheet.underline(span(3, 9, 12));
    m_sheet.rows(4, 4, 2);
}

int LedgerParts::primeParticulars(int row)
{
    // Six permit rows, top to bottom in the order a joint venture of five or six permits
    // fills them (30, 10, 40, 50, 20, 60): every count of permits then reads in its own
    // order, spread evenly over the block: two in the second and fifth rows (a single
    // company's 10 and 20), four in the first, third, fourth and sixth.
    row = permits(row,
                  {QStringLiteral("30"), QStringLiteral("10"), QStringLiteral("40"), QStringLiteral("50"),
                   QStringLiteral("20"), QStringLiteral("60")});
    row = projectAndClient(row);
    row = period(row, QStringLiteral("STDT"), QStringLiteral("FNDT"), QStringLiteral("契　約　日"),
                 QStringLiteral("SGDT"));
    row = contractOffices(row);
    row = insurance(row);
    return clientSupervisors(row);
}

int LedgerParts::projectAndClient(int row)
{
    m_sheet.text(span(row, 0, 1, 2), QStringLiteral("工事名称及び\n工事内容"), label());
    m_sheet.marker(span(row, 2, 12), QStringLiteral("KJNM"), value().sized(10));
    m_sheet.marker(span(at(row, 1), 2, 12), QStringLiteral("KJNY"), value());
    m_sheet.box(span(row, 0, 12, 2), Line::Thin);
    m_sheet.horizontal(at(row, 1), column(2), column(12), Line::Hair);
    row = at(row, 2);
    m_sheet.text(span(row, 0, 1, 2), QStringLiteral("発注者名\n及び住所"), label());
    m_sheet.marker(span(row, 2, 12), QStringLiteral("ODNM"), value().sized(10));
    address(at(row, 1), QStringLiteral("ODPOST"), QStringLiteral("ODADD"), false);
    m_sheet.box(span(row, 0, 12, 2), Line::Thin);
    m_sheet.horizontal(at(row, 1), column(2), column(12), Line::Hair);
    for (int index : {3, 5})
        m_sheet.vertical(column(index), at(row, 1), at(row, 2) - 1, Line::None);
    return at(row, 2);
}

int LedgerParts::contractOffices(int row)
{
    m_sheet.text(span(row, 0, 1, 3), QStringLiteral("契約営業所"), label());
    m_sheet.text(span(row, 2, 3), QStringLiteral("区　分"), label());
    m_sheet.text(span(row, 4, 7), QStringLiteral("名　　称"), label());
    m_sheet.text(span(row, 8, 12), QStringLiteral("住　　所"), label());
    const QString kinds[2] = {QStringLiteral("元請契約"), QStringLiteral("下請契約")};
    const QString names[2] = {QStringLiteral("MTNM"), QStringLiteral("STNM")};
    const QString places[2] = {QStringLiteral("MTAD"), QStringLiteral("STAD")};
    for (int i = 0; i < 2; ++i) {
        m_sheet.text(span(at(row, 1 + i), 2, 3), kinds[i], label());
        m_sheet.marker(span(at(row, 1 + i), 4, 7), names[i], value());
        m_sheet.marker(span(at(row, 1 + i), 8, 12), places[i], value());
    }
    m_sheet.box(span(row, 0, 12, 3), Line::Thin);
    return at(row, 3);
}

int LedgerParts::clientSupervisors(int row)
{
    m_sheet.text(span(row, 0, 1, 3), QStringLiteral("発注者の\n監督員名"), label());
    const QString markers[3] = {QStringLiteral("SKNM"), QStringLiteral("SNNM"), QStringLiteral("KTNM")};
    const QString titles[3] = {QStringLiteral("総括監督員"), QStringLiteral("主任監督員"), QStringLiteral("監督員")};
    for (int i = 0; i < 3; ++i) {
        m_sheet.text(span(at(row, i), 2, 3), titles[i], label().sized(7));
        m_sheet.marker(span(at(row, i), 4, 6), markers[i], value());
    }
    m_sheet.text(span(row, 7, 8, 3), QStringLiteral("権限及び\n意見申出方法"), label());
    m_sheet.marker(span(row, 9, 12, 2), QStringLiteral("KG"), value().sized(7.5).wrapped().top());
    m_sheet.marker(span(at(row, 2), 9, 12), QStringLiteral("IK"), value().sized(7.5).wrapped());
    m_sheet.box(span(row, 0, 12, 3), Line::Thin);
    m_sheet.horizontal(at(row, 2), column(9), column(12), Line::Hair);
    return at(row, 3);
}

}  // namespace templates
