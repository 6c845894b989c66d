// 施工体制台帳 after the ministry's example: the creating contractor's part at the top and
// 【下請負人に関する事項】 below it, one subcontractor a page, rows 1–63 on A4 portrait.
#include "Forms.h"
#include "FormBook.h"
#include "LedgerParts.h"

namespace templates {

namespace {

using Line = SheetBuilder::Line;
constexpr int kLastRow = 63;

void notes(SheetBuilder &s, LedgerParts &p, int row)
{
    const QStringList lines = {
        QStringLiteral("（注）"),
        QStringLiteral("１　この台帳は、下請負人ごとに作成し、工事現場ごとに備え置くこと。"),
        QStringLiteral("２　下請負人に関する事項は、再下請負通知書の内容により記載すること。"),
        QStringLiteral("３　監理技術者又は主任技術者の欄は、専任・非専任の別を記載すること。"),
        QStringLiteral("４　健康保険等の加入状況は、該当するものを○で囲むこと。"),
        QStringLiteral("５　記載事項に変更があったときは、遅滞なくこの台帳を修正すること。"),
    };
    for (const QString &text : lines)
        s.text(p.span(row++, 0, 12), text, p.label().left().sized(7));
}

}  // namespace

celvane::Workbook constructionLedger()
{
    SheetBuilder s(QStringLiteral("施工体制台帳"));
    LedgerParts p(s, 1);
    s.page(Paper::A4, Orientation::Portrait, 10.0);
    LedgerParts::setColumns(s, 1);
    s.rows(1, kLastRow, 4.4);

    s.rows(1, 1, 5);
    s.marker(p.span(1, 9, 12), QStringLiteral("PRDT"), p.value().right().sized(9));
    s.rows(2, 2, 9);
    s.text(p.span(2, 0, 12), QStringLiteral("施　工　体　制　台　帳"), p.label().sized(16).bolded());
    s.rows(3, 3, 6);
    p.companyAndOffice(3);
    s.rows(4, 4, 2);

    // Six permit rows: slots 10 and 20 for a single company, 30 to 60 as well for a
    // joint venture, top to bottom so that the common case fills the first two rows.
    int row = p.permits(5,
                        {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40"),
                         QStringLiteral("50"), QStringLiteral("60")});
    row = p.projectAndClient(row);
    row = p.period(row, QStringLiteral("STDT"), QStringLiteral("FNDT"), QStringLiteral("契　約　日"),
                   QStringLiteral("SGDT"));
    row = p.contractOffices(row);
    row = p.insurance(row);
    row = p.clientSupervisors(row);
    // The prime contractor's own people: printed for the clerk to fill where the program
    // has no value for them.
    row = p.personWithAuthority(row, QStringLiteral("監督員名"), {}, {}, {});
    row = p.personWithAuthority(row, QStringLiteral("現場代理人名"), {}, {}, {});
    row = p.chiefEngineer(row, QStringLiteral("KSNM10"), QStringLiteral("技術者名"), {}, {}, {});
    row = p.specialists(row, {}, {QStringLiteral("GJNM20"), QStringLiteral("GJSI20"), QStringLiteral("GJKJ20")});
    s.frame(p.span(5, 0, 12, row - 5), Line::Medium);
    s.rows(row, row, 2);

    row = p.subcontractor(row + 1, QStringLiteral("【下請負人に関する事項】"));
    s.rows(row, row, 2);
    s.rows(row + 1, kLastRow, 3.2);
    notes(s, p, row + 1);
    s.printArea(LedgerParts::kColumns, kLastRow);

    FormBook book;
    book.add(s);
    return book.workbook();
}

}  // namespace templates
