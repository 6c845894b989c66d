#include "EquipmentHeader.h"

namespace templates {

void EquipmentHeader::place(SheetBuilder &sheet, const CellLook &label, const CellLook &value) const
{
    sheet.marker(date, QStringLiteral("MKYMD"), value.right());
    sheet.text(officeCaption, QStringLiteral("事業所の名称"), label);
    sheet.marker(office, QStringLiteral("JIGYONM"), value);
    sheet.underline(office);
    sheet.text(managerCaption, QStringLiteral("所　長　名"), label);
    sheet.marker(manager, QStringLiteral("SHOTYONM"), value);
    sheet.underline(manager);
    sheet.text(firstTierCaption, QStringLiteral("一次会社名"), label);
    sheet.marker(firstTier, QStringLiteral("CMP1NM"), value);
    sheet.underline(firstTier);
}

}  // namespace templates
