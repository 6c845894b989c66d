#include "ContractorRules.h"

#include "NextCode.h"
#include "config/ConfigKeys.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "data/ImageStore.h"
#include "db/Query.h"
#include "program/CurrentProject.h"

#include <QDir>
#include <QFile>

const QString ContractorRules::NameMissingMessage = QStringLiteral("会社名称が有りません");
const QString ContractorRules::InUseMessage
    = QStringLiteral("体制や名簿などで使用中です。最低一件は残さなければなりません。");

namespace {

// The columns `names` with the digits first..last, row by row: ("KYGY%1", "KYDT%1"), 1, 2
// gives KYGY1 KYDT1 KYGY2 KYDT2.
QStringList numbered(const QString &names, int first, int last)
{
    QStringList columns;
    for (int n = first; n <= last; ++n) {
        for (const QString &name : names.split(QLatin1Char(' ')))
            columns << name.arg(n);
    }
    return columns;
}

void setText(DataSet &record, const char *column, const QString &text)
{
    record.FieldByName(QLatin1String(column)).SetAsString(text);
}

}  // namespace

ContractorRules::ContractorRules(const RecordContext &context)
    : VersionRules(context)
{
}

QStringList ContractorRules::RevisionColumns()
{
    return QStringLiteral("CPNM JGNM PSNM PRNM POST ADRS TEL FAX KYCOM KYADD KJNM KJTYP ISKJ STDT FNDT SGDT KTNM KTKG "
                          "KTIK GBNM GBKG GBIK")
               .split(QLatin1Char(' '))
        + numbered(QStringLiteral("KYGY%1 KYAREA%1 KYTYPE%1 KYKIGO%1 KYNUM%1 KYDT%1"), 1, 6)
        + numbered(QStringLiteral("SNNM%1 KSNM%1 SNSE%1 SNSK%1 SNNO%1 SNDT%1 SDFILE%1"), 1, 4)
        + numbered(QStringLiteral("GJNM%1 GJSI%1 GJKJ%1 GJFILE%1"), 1, 2)
        + QStringLiteral("ANNM ASNM KKNM").split(QLatin1Char(' ')) + numbered(QStringLiteral("SNKYDT%1"), 1, 4)
        + QStringLiteral("LANK1 LANK2 LANK3 KTKDT KTKNO KENPONO NENKINNO KOYONO UKSAL UKKJNY MAEPER MAEMNYPER MAEPN "
                         "HARFMNYPER HARFPN CMPLMNYPER CMPLPN SIGNFL")
              .split(QLatin1Char(' '));
}

bool ContractorRules::IsInUse(db::Transaction &transaction, const QString &kojiCode, const QString &gyoCode)
{
    db::Query query(transaction);
    for (const char *table : {"TAISEI", "TAIKEI", "SAGYOIN", "CARRY", "KIKAI", "KOUGU"}) {
        SetStatement(
            query,
            {QStringLiteral("Select first 1 GYOCD from %1 where KJCD = ? and GYOCD = ?").arg(QLatin1String(table)),
             {CodeParam(kojiCode), CodeParam(gyoCode)}});
        query.open();
        if (!query.eof())
            return true;
    }
    return false;
}

QString ContractorRules::EngineerNameColumn(int tag)
{
    return tag <= 4 ? QStringLiteral("SNNM%1").arg(tag) : QStringLiteral("GJNM%1").arg(tag - 4);
}

QString ContractorRules::EngineerImageColumn(int tag)
{
    return tag <= 4 ? QStringLiteral("SDFILE%1").arg(tag) : QStringLiteral("GJFILE%1").arg(tag - 4);
}

QString ContractorRules::QualificationColumn(int tag)
{
    return tag <= 4 ? QStringLiteral("SNSK%1").arg(tag) : QStringLiteral("GJSI%1").arg(tag - 4);
}

QStringList ContractorRules::EngineerColumns(int tag)
{
    return tag <= 4 ? numbered(QStringLiteral("SNNM%1 KSNM%1 SNSE%1 SNSK%1 SNNO%1 SNDT%1 SNKYDT%1 SDFILE%1"), tag, tag)
                    : numbered(QStringLiteral("GJNM%1 GJSI%1 GJKJ%1 GJFILE%1"), tag - 4, tag - 4);
}

QString ContractorRules::CopyStaffImage(const QString &fileName) const
{
    if (fileName.isEmpty())
        return {};
    const QString folder = Context().ImageRoot + QStringLiteral("image");
    QDir().mkpath(folder);
    // A file of that name left in the scratch folder must not pass for the stored image.
    const QString path = QDir(folder).filePath(fileName);
    QFile::remove(path);
    Context().Images.FetchImageFile(fileName, folder);
    return Context().Images.StoreImageFile(0, path);
}

QString ContractorRules::nextCode() const
{
    return NextCode(Context().Transaction,
                    {QStringLiteral("Select MAX(GYOCD) AS GC from GYOSYA where KJCD = ?"), {CodeParam(m_kojiCode)}});
}

void ContractorRules::SetContractor(const QString &kojiCode, const QString &gyoCode)
{
    m_kojiCode = kojiCode;
    m_newContractor = gyoCode.isEmpty();
    m_codeUnwritten = m_newContractor;
    m_gyoCode = m_newContractor ? nextCode() : gyoCode;
}

void ContractorRules::FillFromProject(DataSet &record) const
{
    db::Query project(Context().Transaction);
    SetStatement(
        project,
        {QStringLiteral("Select first 1 * from KOJI where KJCD = ? Order by APDT DESC"), {CodeParam(m_kojiCode)}});
    project.open();
    if (project.eof())
        return;
    const auto from = [&project](const char *column) { return project.field(QLatin1String(column)).asString(); };
    setText(record, "KYCOM", from("MTNM"));
    setText(record, "KYADD", from("MTAD"));
    setText(record, "KJNM", from("KJNY"));
    const int kindLength = record.FieldInfo(record.FieldIndex(QStringLiteral("KJTYP"))).charLength;
    setText(record, "KJTYP", kindLength > 0 ? from("KJNY").left(kindLength) : from("KJNY"));
    for (const char *column : {"STDT", "FNDT", "SGDT"})
        setText(record, column, from(column));
}

void ContractorRules::NewRecordDefaults(DataSet &record)
{
    const IniFile &settings = Context().Settings;
    setText(record, "KJCD", m_kojiCode);
    setText(record, "GYOCD", m_gyoCode);
    const QString projectStart = Context().Project.CurKojiStart();
    setText(record, "APDT", m_newContractor && !projectStart.isEmpty() ? projectStart : WorkDateText());
    for (const char *column : {"KTKG", "GBKG"})
        setText(record, column, Config::read(settings, Config::Kengen));
    for (const char *column : {"KTIK", "GBIK"})
        setText(record, column, Config::read(settings, Config::Iken));
    StampNewVersion(record);
    record.FieldByName(QStringLiteral("ISKJ")).SetAsInteger(0);
}

QString ContractorRules::FocusOnNewRecord() const
{
    return m_newContractor ? QStringLiteral("CPNM") : QStringLiteral("APDT");
}

QList<PostCheck> ContractorRules::PostChecks() const
{
    return {Required(QStringLiteral("CPNM"), NameMissingMessage), AppliedDateCheck()};
}

void ContractorRules::BeforeWrite(DataSet &record)
{
    VersionRules::BeforeWrite(record);
    if (m_codeUnwritten && record.State() == DataSetState::Insert) {
        m_gyoCode = nextCode();
        setText(record, "GYOCD", m_gyoCode);
    }
}

void ContractorRules::AfterPost(DataSet &record)
{
    db::Query update(Context().Transaction);
    const QVariantList values{record.FieldByName(QStringLiteral("CPNM")).Value(),
                              record.FieldByName(QStringLiteral("KJCD")).Value(),
                              record.FieldByName(QStringLiteral("GYOCD")).Value()};
    for (const char *table : {"SAGYOIN", "INSIKAKU"}) {
        SetStatement(
            update,
            {QStringLiteral("Update %1 set CPNM = ? where KJCD = ? and GYOCD = ?").arg(QLatin1String(table)), values});
        update.exec();
    }
    m_codeUnwritten = false;
}

QString ContractorRules::DeleteRefusal(DataSet &record)
{
    if (record.RecordCount() != 1
        || !IsInUse(Context().Transaction, record.FieldByName(QStringLiteral("KJCD")).AsString(),
                    record.FieldByName(QStringLiteral("GYOCD")).AsString()))
        return {};
    return InUseMessage;
}

bool ContractorRules::IsUntouchedNewRecord(DataSet &record)
{
    return record.FieldByName(QStringLiteral("CPNM")).AsString().isEmpty();
}
