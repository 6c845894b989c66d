#pragma once

#include <QString>

class DataSet;
class TDataModule1;

namespace sorvik::documents {

class MarkerWriter;
struct EquipmentChoices;

// The cells the three equipment notifications write alike.
namespace EquipmentCells {

// The check mark of the inspection lists: one half-width katakana letter.
inline const QString Mark = QStringLiteral("ﾚ");

// "**MKYMD", "**JIGYONM", "**SHOTYONM" as of the choices' date and "**CMP1NM" of the record.
void WriteHeader(MarkerWriter &writer, TDataModule1 &data, const EquipmentChoices &choices, DataSet &record);

// A stored period "gg e年 m月 d日 ～ gg e年 m月 d日"; empty when neither end is stored.
QString Period(const QString &start, const QString &end);

// `prefix` + the column's text + `suffix` ("（" 2 " 次）", 3 " 号"); empty when the column
// is empty, so that a missing number leaves its cell blank instead of a bare unit.
QString Around(DataSet &record, const QString &column, const QString &prefix, const QString &suffix);

// A machine's acceptance sign and number joined: "A" and 12 give "A12".
QString MachineAcceptance(DataSet &machine);

// The same-named columns as they are stored, and as spaced era dates.
void WriteColumns(MarkerWriter &writer, DataSet &record, const QString &names);
void WriteDates(MarkerWriter &writer, DataSet &record, const QString &names);

}  // namespace EquipmentCells

}  // namespace sorvik::documents
