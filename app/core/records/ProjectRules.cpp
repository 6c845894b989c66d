#include "ProjectRules.h"

#include "NextCode.h"
#include "config/ConfigKeys.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "program/CurrentProject.h"

const QString ProjectRules::NameMissingMessage = QStringLiteral("工事名称が有りません");
const QString ProjectRules::LastVersionMessage = QStringLiteral("最低一件は残さなければなりません。");

ProjectRules::ProjectRules(const RecordContext &context)
    : VersionRules(context)
{
}

QStringList ProjectRules::RevisionColumns()
{
    return QStringLiteral("KJNM KJNY JV ODNM ODPOST ODADD SKNM SNNM KTNM KG IK MTNM MTAD STNM STAD KANM FCNM FUNM ANNM "
                          "TTNM RPNM STDT FNDT SGDT")
        .split(QLatin1Char(' '));
}

QString ProjectRules::nextCode() const
{
    return NextCode(Context().Transaction, {QStringLiteral("Select MAX(KJCD) AS KC from KOJI"), {}});
}

void ProjectRules::SetProject(const QString &kojiCode)
{
    m_newProject = kojiCode.isEmpty() || kojiCode == QLatin1String("0");
    m_codeUnwritten = m_newProject;
    m_kojiCode = m_newProject ? nextCode() : kojiCode;
}

void ProjectRules::CopyStartToAppliedDate(DataSet &record, const QString &startText) const
{
    const QString start = AppliedDateText(startText);
    if (!m_newProject || start.isEmpty())
        return;
    if (record.State() == DataSetState::Edit || record.State() == DataSetState::Insert)
        record.FieldByName(QStringLiteral("APDT")).SetAsString(start);
}

void ProjectRules::NewRecordDefaults(DataSet &record)
{
    const IniFile &settings = Context().Settings;
    record.FieldByName(QStringLiteral("KJCD")).SetAsString(m_kojiCode);
    record.FieldByName(QStringLiteral("APDT")).SetAsString(WorkDateText());
    record.FieldByName(QStringLiteral("KG")).SetAsString(Config::read(settings, Config::Kengen));
    record.FieldByName(QStringLiteral("IK")).SetAsString(Config::read(settings, Config::Iken));
    StampNewVersion(record);
    record.FieldByName(QStringLiteral("JV")).SetAsInteger(0);
    record.FieldByName(QStringLiteral("TTNM")).SetAsString(Context().Project.CurSafetyKind());
}

QString ProjectRules::FocusOnNewRecord() const
{
    return m_newProject ? QStringLiteral("KJNM") : QStringLiteral("APDT");
}

QList<PostCheck> ProjectRules::PostChecks() const
{
    return {Required(QStringLiteral("KJNM"), NameMissingMessage), AppliedDateCheck()};
}

void ProjectRules::BeforeWrite(DataSet &record)
{
    VersionRules::BeforeWrite(record);
    if (m_codeUnwritten && record.State() == DataSetState::Insert) {
        m_kojiCode = nextCode();
        record.FieldByName(QStringLiteral("KJCD")).SetAsString(m_kojiCode);
    }
}

void ProjectRules::AfterPost(DataSet &)
{
    m_codeUnwritten = false;
}

QString ProjectRules::DeleteRefusal(DataSet &record)
{
    return record.RecordCount() == 1 ? LastVersionMessage : QString();
}

bool ProjectRules::IsUntouchedNewRecord(DataSet &record)
{
    return record.FieldByName(QStringLiteral("KJNM")).AsString().isEmpty();
}
