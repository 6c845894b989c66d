#pragma once

#include <QString>

namespace sorvik::documents {

// The three kinds of equipment a contractor brings onto the site, each kept in its own
// table under its own record code.
enum class EquipmentKind { Vehicle, Machine, Tool };

struct EquipmentTable
{
    QString table;       // "CARRY", "KIKAI", "KOUGU"
    QString codeColumn;  // "CRCD", "MCCD", "KGCD"
};

EquipmentTable EquipmentTableOf(EquipmentKind kind);

}  // namespace sorvik::documents
