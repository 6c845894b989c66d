// 資格者氏名一覧: everyone on the project who holds one qualification, 32 a page. The
// company is written only where it changes, so its cells stay single and top-aligned.
#include "Forms.h"
#include "FormBook.h"
#include "ListSheet.h"

namespace templates {

celvane::Workbook qualificationHolders()
{
    const CellLook value = CellLook{}.sized(10).left().shrunk().indented(1);
    const ListSheet list{
        QStringLiteral("資格者氏名一覧"),
        QStringLiteral("資　格　者　氏　名　一　覧"),
        {{QStringLiteral("工事名"), QStringLiteral("KJNM")}, {QStringLiteral("資格名"), QStringLiteral("SKNM")}},
        {{QStringLiteral("No."), 14, {}, {}},
         {QStringLiteral("会　社　名"), 56, QStringLiteral("CPNM"), value.top()},
         {QStringLiteral("氏　　名"), 44, QStringLiteral("NAME"), value},
         {QStringLiteral("資格番号"), 36, QStringLiteral("SKNO"), value},
         {QStringLiteral("交付年月日"), 36, QStringLiteral("SKDT"), value.center()}},
    };
    return FormBook::single(list.build());
}

}  // namespace templates
