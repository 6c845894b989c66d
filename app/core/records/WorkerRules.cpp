#include "WorkerRules.h"

#include "BarcodeNumber.h"
#include "NextCode.h"
#include "config/ConfigKeys.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "data/SqlStatement.h"
#include "dates/DateText.h"
#include "db/Query.h"

namespace {

const QString kSelectedCount
    = QStringLiteral("Select Count(*) as CNT from SAGYOIN where KJCD = ? and GYOCD = ? and SEL = 1");

}  // namespace

WorkerRules::WorkerRules(const RecordContext &context)
    : m_context(context)
    , m_useBarcode(Config::read(context.Settings, Config::BarCode))
{
}

void WorkerRules::SetContractor(const QString &kojiCode, const QString &gyoCode, const QString &name)
{
    m_kojiCode = kojiCode;
    m_gyoCode = gyoCode;
    m_contractorName = name;
}

void WorkerRules::NewRecordDefaults(DataSet &record)
{
    const QString today = DateToDateText(m_context.Today());
    record.FieldByName(QStringLiteral("KJCD")).SetValue(CodeParam(m_kojiCode));
    record.FieldByName(QStringLiteral("GYOCD")).SetValue(CodeParam(m_gyoCode));
    record.FieldByName(QStringLiteral("INCD"))
        .SetValue(
            CodeParam(NextCode(m_context.Transaction,
                               {QStringLiteral("Select MAX(INCD) as MI from SAGYOIN where KJCD = ? and GYOCD = ?"),
                                {CodeParam(m_kojiCode), CodeParam(m_gyoCode)}})));
    record.FieldByName(QStringLiteral("APDT")).SetAsString(today);
    record.FieldByName(QStringLiteral("CRDT")).SetAsString(today);
    record.FieldByName(QStringLiteral("CPNM")).SetAsString(m_contractorName);
    for (const char *flag : {"FMLE", "YNG", "ADVA"})
        record.FieldByName(QLatin1String(flag)).SetAsInteger(0);
    record.FieldByName(QStringLiteral("SEL")).SetAsInteger(1);
}

QList<PostCheck> WorkerRules::PostChecks() const
{
    QList<PostCheck> checks{Required(QStringLiteral("NAME"), QStringLiteral("氏名が有りません")),
                            Required(QStringLiteral("BNDT"), QStringLiteral("生年月日が入力されていません"))};
    if (m_useBarcode) {
        checks << Required(QStringLiteral("BARCDNO"), BarcodeNumber::Missing)
               << BarcodeNumber::Check(QStringLiteral("BARCDNO"));
    }
    return checks;
}

void WorkerRules::BeforeWrite(DataSet &record)
{
    DataField upper = record.FieldByName(QStringLiteral("PRESU"));
    DataField lower = record.FieldByName(QStringLiteral("PRESL"));
    if (!upper.IsNull() && !lower.IsNull() && upper.AsInteger() < lower.AsInteger()) {
        const QVariant smaller = upper.Value();
        upper.SetValue(lower.Value());
        lower.SetValue(smaller);
    }
    record.FieldByName(QStringLiteral("EDDT")).SetAsString(DateToDateText(m_context.Today()));
}

QVariantList WorkerRules::workerKey(DataSet &record) const
{
    return {record.FieldByName(QStringLiteral("KJCD")).Value(), record.FieldByName(QStringLiteral("GYOCD")).Value(),
            record.FieldByName(QStringLiteral("INCD")).Value()};
}

void WorkerRules::AfterPost(DataSet &record)
{
    db::Query update(m_context.Transaction);
    SetStatement(update,
                 {QStringLiteral("Update INSIKAKU set CPNM = ?, NAME = ?, BNDT = ?"
                                 " where KJCD = ? and GYOCD = ? and INCD = ?"),
                  QVariantList{record.FieldByName(QStringLiteral("CPNM")).Value(),
                               record.FieldByName(QStringLiteral("NAME")).Value(),
                               record.FieldByName(QStringLiteral("BNDT")).Value()}
                      + workerKey(record)});
    update.exec();
}

QString WorkerRules::DeleteRefusal(DataSet &record)
{
    db::Query query(m_context.Transaction);
    SetStatement(
        query,
        {QStringLiteral("Select INCD from DEZURA where KJCD = ? and GYOCD = ? and INCD = ?"), workerKey(record)});
    query.open();
    return query.eof() ? QString() : QStringLiteral("選択したデータは労務日報に使用されていますので削除出来ません。");
}

void WorkerRules::BeforeDelete(DataSet &record)
{
    db::Query remove(m_context.Transaction);
    SetStatement(remove,
                 {QStringLiteral("Delete from INSIKAKU where KJCD = ? and GYOCD = ? and INCD = ?"), workerKey(record)});
    remove.exec();
}

bool WorkerRules::IsUntouchedNewRecord(DataSet &record)
{
    for (const char *column : {"NAME", "MENKYO", "GINOKYO", "TOKUKYO"}) {
        if (!record.FieldByName(QLatin1String(column)).AsString().isEmpty())
            return false;
    }
    return true;
}

void WorkerRules::setFlags(DataSet &record, int age) const
{
    const AgeFlags flags = FlagsForAge(age, AgeLimits::FromSettings(m_context.Settings));
    record.FieldByName(QStringLiteral("ADVA")).SetAsInteger(flags.aged ? 1 : 0);
    record.FieldByName(QStringLiteral("YNG")).SetAsInteger(flags.young ? 1 : 0);
}

void WorkerRules::SetAge(DataSet &record, int age) const
{
    record.FieldByName(QStringLiteral("OLD")).SetAsInteger(age);
    setFlags(record, age);
}

void WorkerRules::ApplyBirthDate(DataSet &record, const QDate &birth) const
{
    const std::optional<int> age = AgeInYears(birth, m_context.WorkDate());
    if (!age)
        return;
    if (record.FieldByName(QStringLiteral("OLD")).IsNull())
        record.FieldByName(QStringLiteral("OLD")).SetAsInteger(*age);
    setFlags(record, *age);
}

std::optional<int> WorkerRules::ChangedAge(const QString &birthText, const QVariant &storedAge) const
{
    const std::optional<int> age = AgeInYears(birthText, m_context.WorkDate());
    if (!age || (!storedAge.isNull() && storedAge.toInt() == *age))
        return std::nullopt;
    return age;
}

int WorkerRules::SelectedCount() const
{
    db::Query query(m_context.Transaction);
    SetStatement(query, {kSelectedCount, {CodeParam(m_kojiCode), CodeParam(m_gyoCode)}});
    query.open();
    return query.eof() ? 0 : query.field(0).asInt();
}
