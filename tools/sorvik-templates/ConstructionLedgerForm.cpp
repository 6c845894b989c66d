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

    p.ledgerHead();
    int row = p.primeParticulars(5);
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

    return FormBook::single(s);
}

}  // namespace templates
