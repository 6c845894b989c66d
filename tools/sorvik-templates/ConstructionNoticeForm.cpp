// 施工体制台帳作成建設工事の通知: the letter that tells every subcontractor that the work is
// one for which the ledger is kept and where re-subcontracting notices go. A4 portrait,
// one page, no grid.
#include "Forms.h"
#include "FormBook.h"
#include "LetterParts.h"

namespace templates {

celvane::Workbook constructionNotice()
{
    SheetBuilder s(QStringLiteral("工事の通知"));
    LetterParts letter(s);
    s.page(Paper::A4, Orientation::Portrait, 15.0);
    s.fitToOnePage();
    s.rows(1, 28, 8);

    letter.date(1, QStringLiteral("PRDT"));
    s.text("A3:F3", QStringLiteral("下請負人　各位"), letter.body().sized(12));
    letter.field(5, 6, QStringLiteral("元請負人"), QStringLiteral("MOTONM"));
    letter.field(6, 6, QStringLiteral("事 業 所"), QStringLiteral("JGNM"));
    s.rows(7, 7, 10);
    letter.title(8, QStringLiteral("施工体制台帳作成建設工事の通知"));
    s.rows(9, 9, 6);
    letter.paragraph(10, 4,
                     QStringLiteral("　当社が元請負人として施工する下記の建設工事は、建設業法の規定により施工体制台帳を"
                                    "作成する工事です。\n"
                                    "　この工事の下請負人となった方は、請け負った工事の一部を他の建設業を営む者に請け"
                                    "負わせたときは、遅滞なく再下請負通知書を下記の提出先に提出してください。通知した"
                                    "事項に変更があったときも、変更の年月日を付記して同様に提出してください。"));
    letter.recordMark(15);
    letter.item(17, QStringLiteral("１"), QStringLiteral("工 事 名 称"), QStringLiteral("KJNM"));
    letter.item(18, QStringLiteral("２"), QStringLiteral("発 注 者 名"), QStringLiteral("HTYNM"));
    letter.item(19, QStringLiteral("３"), QStringLiteral("現場代理人"), QStringLiteral("GBNM"));
    letter.field(20, 3, QStringLiteral("権　　限"), QStringLiteral("GBKG"));
    letter.field(21, 3, QStringLiteral("意見申出方法"), QStringLiteral("GBIK"));
    s.text("A23", QStringLiteral("４"), letter.body().right());
    s.text("B23:L23", QStringLiteral("再下請負通知書の提出先及び担当者"), letter.body());
    s.marker("C24:L24", QStringLiteral("TEIS"), letter.value());
    s.underline("C24:L24");
    letter.closing(26);
    s.printArea(LetterParts::kColumns, 28);

    return FormBook::single(s);
}

}  // namespace templates
