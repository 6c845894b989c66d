#include "ChartSaveCheck.h"

#include "ChartMessages.h"
#include "ChartVersions.h"
#include "dates/DateText.h"

ChartSaveRefusal CheckChartSave(const QString &date, const ChartVersions &versions, bool newChart, bool hasPrime)
{
    if (!IsDateText(date))
        return ChartSaveRefusal::InvalidDate;
    if (!hasPrime)
        return ChartSaveRefusal::NoPrime;
    if (versions.IsTakenByAnother(date, newChart))
        return ChartSaveRefusal::DateTaken;
    return ChartSaveRefusal::None;
}

QString RefusalMessage(ChartSaveRefusal refusal)
{
    switch (refusal) {
    case ChartSaveRefusal::InvalidDate:
        return ChartMessages::InvalidDate;
    case ChartSaveRefusal::NoPrime:
        return ChartMessages::NoPrime;
    case ChartSaveRefusal::DateTaken:
        return ChartMessages::DateTaken;
    case ChartSaveRefusal::None:
        break;
    }
    return {};
}
