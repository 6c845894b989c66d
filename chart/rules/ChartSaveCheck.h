#pragma once

#include <QString>

class ChartVersions;

// Why a chart may not be saved under the date in the date field, in the order the checks
// run. A date field that lost its check (the user never left it) is checked again here; a
// chart without the prime contractor's box would save a version without its root, which
// neither the editor nor the print can open.
enum class ChartSaveRefusal { None, InvalidDate, NoPrime, DateTaken };

ChartSaveRefusal CheckChartSave(const QString &date, const ChartVersions &versions, bool newChart, bool hasPrime);
// The message for a refusal; empty for None.
QString RefusalMessage(ChartSaveRefusal refusal);
