#include "EquipmentKind.h"

namespace sorvik::documents {

EquipmentTable EquipmentTableOf(EquipmentKind kind)
{
    switch (kind) {
    case EquipmentKind::Vehicle:
        return {QStringLiteral("CARRY"), QStringLiteral("CRCD")};
    case EquipmentKind::Machine:
        return {QStringLiteral("KIKAI"), QStringLiteral("MCCD")};
    case EquipmentKind::Tool:
        break;
    }
    return {QStringLiteral("KOUGU"), QStringLiteral("KGCD")};
}

}  // namespace sorvik::documents
