#include "QualificationRules.h"

#include "data/DataField.h"
#include "data/DataSet.h"
#include "data/SqlStatement.h"
#include "dates/DateText.h"
#include "db/Query.h"
#include "pickers/PickerSql.h"

namespace {

const QString kWorkerCondition = QStringLiteral("KJCD = ? and GYOCD = ? and INCD = ?");

QString trimmedRight(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

}  // namespace

QualificationRules::QualificationRules(const RecordContext &context, int kind, const QString &kojiCode,
                                       const QString &gyoCode, const QString &workerCode)
    : m_context(context)
    , m_kind(kind)
    , m_workerKey{CodeParam(kojiCode), CodeParam(gyoCode), CodeParam(workerCode)}
{
    db::Query query(m_context.Transaction);
    SetStatement(query,
                 {QStringLiteral("Select CPNM, NAME, BNDT from SAGYOIN where ") + kWorkerCondition, m_workerKey});
    query.open();
    if (!query.eof())
        m_worker = Worker{query.field(0).asString(), query.field(1).asString(), query.field(2).asString()};
}

QString QualificationRules::Filter() const
{
    return kWorkerCondition + QStringLiteral(" and KBN = ?");
}

QVariantList QualificationRules::FilterParams() const
{
    return m_workerKey + QVariantList{m_kind};
}

void QualificationRules::NewRecordDefaults(DataSet &record)
{
    // The database numbers the qualification.
    record.FieldByName(QStringLiteral("INNO")).SetAsInteger(0);
    record.FieldByName(QStringLiteral("KJCD")).SetValue(m_workerKey.at(0));
    record.FieldByName(QStringLiteral("GYOCD")).SetValue(m_workerKey.at(1));
    record.FieldByName(QStringLiteral("INCD")).SetValue(m_workerKey.at(2));
    record.FieldByName(QStringLiteral("KBN")).SetAsInteger(m_kind);
    if (m_worker) {
        record.FieldByName(QStringLiteral("CPNM")).SetAsString(m_worker->company);
        record.FieldByName(QStringLiteral("NAME")).SetAsString(m_worker->name);
        record.FieldByName(QStringLiteral("BNDT")).SetAsString(m_worker->birth);
    }
}

QList<PostCheck> QualificationRules::PostChecks() const
{
    return {Required(QStringLiteral("SKNM"), QStringLiteral("資格名称が有りません"))};
}

bool QualificationRules::IsUntouchedNewRecord(DataSet &record)
{
    return record.FieldByName(QStringLiteral("SKNM")).AsString().isEmpty();
}

QStringList QualificationRules::Abbreviations() const
{
    db::Query query(m_context.Transaction);
    SetStatement(query,
                 {QStringLiteral("Select PRNM from INSIKAKU where ") + Filter() + QStringLiteral(" order by INNO"),
                  FilterParams()});
    QStringList abbreviations;
    for (query.open(); !query.eof(); query.next()) {
        const QString abbreviation = query.field(0).asString();
        if (!abbreviation.isEmpty())
            abbreviations << abbreviation;
    }
    return abbreviations;
}

QualificationRules::Choice QualificationRules::ChosenName(const QString &entry) const
{
    db::Query query(m_context.Transaction);
    SetStatement(query, PickerSql::NameList(m_kind));
    for (query.open(); !query.eof(); query.next()) {
        const QString abbreviation = query.field(QStringLiteral("PRNM")).asString();
        const QString name = query.field(QStringLiteral("NM")).asString();
        if (PickerSql::NameEntry(abbreviation, name) == entry)
            return {name, trimmedRight(abbreviation.left(AbbreviationLength))};
    }
    return {entry.mid(9), trimmedRight(entry.left(AbbreviationLength))};
}

QString QualificationRules::FiveYearsFrom(const QString &issueDate)
{
    if (!IsDateText(issueDate))
        return {};
    // QDate keeps the day within the month: 2004/02/29 gives 2009/02/28.
    return DateToDateText(DateTextToDate(issueDate).addYears(5));
}
