#include "VersionRules.h"

#include "data/DataField.h"
#include "data/DataSet.h"
#include "dates/DateText.h"

const QString VersionRules::AppliedDateMessage = QStringLiteral("適用日付は正しく\"yyyy/mm/dd\"でなければなりません");
const QString VersionRules::DuplicateDateMessage
    = QStringLiteral("キーの値が重複しています。\r適用日付がある場合は同じ値は使用できません。");

VersionRules::VersionRules(const RecordContext &context)
    : m_context(context)
{
}

QString VersionRules::AppliedDateText(const QString &text)
{
    return IsDateText(text) ? DateToDateText(DateTextToDate(text)) : QString();
}

QString VersionRules::TodayText() const
{
    return DateToDateText(m_context.Today());
}

QString VersionRules::WorkDateText() const
{
    return DateToDateText(m_context.WorkDate());
}

void VersionRules::StampNewVersion(DataSet &record) const
{
    record.FieldByName(QStringLiteral("CRDT")).SetAsString(TodayText());
}

PostCheck VersionRules::AppliedDateCheck()
{
    return {QStringLiteral("APDT"), AppliedDateMessage, [](DataSet &record) {
                return !AppliedDateText(record.FieldByName(QStringLiteral("APDT")).AsString()).isEmpty();
            }};
}

void VersionRules::BeforeWrite(DataSet &record)
{
    DataField applied = record.FieldByName(QStringLiteral("APDT"));
    applied.SetAsString(AppliedDateText(applied.AsString()));
    record.FieldByName(QStringLiteral("EDDT")).SetAsString(TodayText());
}

QString VersionRules::PostErrorMessage(const QString &engineMessage) const
{
    return engineMessage.contains(QLatin1String("UNIQUE")) ? DuplicateDateMessage : QString();
}
