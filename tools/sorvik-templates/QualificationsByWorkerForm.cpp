// 取得資格一覧: one worker's licences, skill trainings and special educations, 32 a page.
#include "Forms.h"
#include "FormBook.h"
#include "ListSheet.h"

namespace templates {

celvane::Workbook qualificationsByWorker()
{
    const CellLook value = CellLook{}.sized(10).left().shrunk().indented(1);
    const ListSheet list{
        QStringLiteral("取得資格一覧"),
        QStringLiteral("取　得　資　格　一　覧"),
        {{QStringLiteral("会社名"), QStringLiteral("CPNM")}, {QStringLiteral("氏　名"), QStringLiteral("NAME")}},
        {{QStringLiteral("No."), 14, {}, {}},
         {QStringLiteral("資格名称"), 56, QStringLiteral("SKNM"), value},
         {QStringLiteral("略　称"), 28, QStringLiteral("PRNM"), value},
         {QStringLiteral("区　分"), 22, QStringLiteral("KBN"), value.center()},
         {QStringLiteral("資格番号"), 33, QStringLiteral("SKNO"), value},
         {QStringLiteral("交付年月日"), 33, QStringLiteral("SKDT"), value.center()}},
    };
    return FormBook::single(list.build());
}

}  // namespace templates
