#pragma once

#include "RosterChoices.h"

class TableDataSet;

// The workers of one contractor as the roster print shows and prints them (IBTable1):
// SAGYOIN filtered to the project and the contractor, in the chosen order.
namespace sorvik::documents::RosterTable {

QString Filter(const QString &kojiCode, const QString &gyoCode);
QString IndexName(RosterOrder order);

// Sets the table up for the choices and opens it; with `markedOnly` only the workers whose
// SEL is 1, in the same order.
void Open(TableDataSet &table, const RosterChoices &choices, bool markedOnly);

}  // namespace sorvik::documents::RosterTable
