#include "RowImporter.h"

#include "program/DataModule1.h"
#include "ImportStatements.h"
#include "db/SqlText.h"
#include "SqlValue.h"
#include "ValueEncoding.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "messages/MessageService.h"

namespace sorvik::package {

namespace {

QString valueOf(const ImportColumns &columns, const QStringList &row, const QString &name)
{
    const int index = columns.indexOf(name);
    return index < 0 ? QString() : decodeValue(row[index]);
}

void force(const ImportColumns &columns, QStringList &row, const QString &name, const QString &value)
{
    const int index = columns.indexOf(name);
    if (index >= 0)
        row[index] = value;
}

// What the receiving site enters for a worker itself: site entry, acceptance training and
// the selection mark. New workers start without them; updated ones keep them.
const QStringList kReceiversEntries = {QStringLiteral("INDT"), QStringLiteral("UKDT"), QStringLiteral("SEL")};

bool hasNonKeyColumn(const ImportColumns &columns, const QStringList &keyColumns)
{
    for (const QString &name : columns.names()) {
        if (!keyColumns.contains(name))
            return true;
    }
    return false;
}

bool isTextLetter(const QString &letter)
{
    return letter == QLatin1String("S") || letter == QLatin1String("D");
}

// What an editor's field receives: text as it was (line breaks restored), numbers only
// when they are plain numbers, else nothing.
QVariant fieldValue(const QString &letter, const QString &value)
{
    if (isTextLetter(letter))
        return decodeValue(value);
    const QString number = SqlNumberOrNull(value);
    return number == QLatin1String("NULL") ? QVariant() : QVariant(number);
}

}  // namespace

RowImporter::RowImporter(TDataModule1 &data, const PackageKind &kind, const ImportTarget &target, bool overwrite,
                         RowImages &images)
    : m_data(data)
    , m_kind(kind)
    , m_target(target)
    , m_overwrite(overwrite)
    , m_images(images)
{
}

bool RowImporter::storeRows(const ImportColumns &columns, const std::vector<QStringList> &rows)
{
    db::Transaction &transaction = m_data.IBTransaction1;
    QString previousSourceWorker;
    int rowNumber = 0;
    for (const QStringList &packageRow : rows) {
        ++rowNumber;
        QStringList row = columns.keep(packageRow);
        const QString sourceWorker = valueOf(columns, row, QStringLiteral("INCD"));
        const bool newSourceWorker = rowNumber == 1 || sourceWorker != previousSourceWorker;
        previousSourceWorker = sourceWorker;
        try {
            const QStringList statements = statementsFor(columns, row, rowNumber, newSourceWorker);
            db::Query query(transaction);
            for (const QString &sql : statements) {
                query.setSql(sql);
                query.exec();
            }
            if (!statements.isEmpty())
                transaction.commitRetaining();
        } catch (const db::Error &error) {
            transaction.rollbackRetaining();
            MessageService::current().error(error.message());
            return false;
        }
    }
    return true;
}

bool RowImporter::overwriteRecord(DataSet &editor, const ImportColumns &columns, const std::vector<QStringList> &rows)
{
    int rowNumber = 0;
    try {
        for (const QStringList &packageRow : rows) {
            QStringList row = columns.keep(packageRow);
            m_images.store(columns, row, ++rowNumber);
            if (editor.State() != DataSetState::Edit && editor.State() != DataSetState::Insert)
                editor.Edit();
            for (qsizetype i = 0; i < columns.names().size(); ++i) {
                const QString &name = columns.names()[i];
                if (!m_kind.keyColumns.contains(name))
                    editor.FieldByName(name).SetValue(fieldValue(columns.letters()[i], row[i]));
            }
        }
    } catch (const db::Error &error) {
        MessageService::current().error(error.message());
        return false;
    }
    return true;
}

QStringList RowImporter::statementsFor(const ImportColumns &columns, QStringList &row, int rowNumber,
                                       bool newSourceWorker)
{
    switch (m_kind.storing) {
    case Storing::Workers:
        return workerStatements(columns, row, rowNumber);
    case Storing::Staff:
    case Storing::Names:
        return staffOrNamesStatements(columns, row, rowNumber);
    case Storing::Qualifications:
        return qualificationStatements(columns, row, rowNumber, newSourceWorker);
    default:
        return {};
    }
}

QStringList RowImporter::workerStatements(const ImportColumns &columns, QStringList &row, int rowNumber)
{
    force(columns, row, QStringLiteral("KJCD"), m_target.kojiCode);
    force(columns, row, QStringLiteral("GYOCD"), m_target.gyoCode);
    force(columns, row, QStringLiteral("INCD"), QStringLiteral("0"));
    force(columns, row, QStringLiteral("CPNM"), m_target.gyoName);
    const QString matched
        = lookUp(workerByNameSql(m_target.kojiCode, m_target.gyoCode, valueOf(columns, row, QStringLiteral("NAME"))),
                 QStringLiteral("INCD"));
    if (matched.isEmpty()) {
        force(columns, row, QStringLiteral("INCD"), m_data.NextWorkerCode(m_target.kojiCode, m_target.gyoCode));
        for (const QString &entry : kReceiversEntries)
            force(columns, row, entry, entry == QLatin1String("SEL") ? QStringLiteral("0") : QString());
        m_images.store(columns, row, rowNumber);
        return {insertSql(m_kind.table, columns.names(), columns.letters(), row)};
    }
    // The receiver's own entries for the worker stay as they are.
    const QStringList kept = m_kind.keyColumns + kReceiversEntries;
    if (!m_overwrite || !hasNonKeyColumn(columns, kept))
        return {};
    m_images.store(columns, row, rowNumber);
    return {updateSql(m_kind.table, columns.names(), columns.letters(), row, kept,
                      workerKeyCondition(m_target.kojiCode, m_target.gyoCode, matched))};
}

QStringList RowImporter::staffOrNamesStatements(const ImportColumns &columns, QStringList &row, int rowNumber)
{
    const bool staff = m_kind.storing == Storing::Staff;
    const QString key = staff ? QStringLiteral("SHCD") : QStringLiteral("EDCD");
    force(columns, row, key, QStringLiteral("0"));
    const QString sql = staff
        ? staffByNameSql(valueOf(columns, row, QStringLiteral("NAME")), valueOf(columns, row, QStringLiteral("SNSK")))
        : namesByAbbreviationSql(valueOf(columns, row, QStringLiteral("PRNM")));
    const QString matched = lookUp(sql, key);
    if (matched.isEmpty()) {
        m_images.store(columns, row, rowNumber);
        return {insertSql(m_kind.table, columns.names(), columns.letters(), row)};
    }
    if (!m_overwrite || !hasNonKeyColumn(columns, m_kind.keyColumns))
        return {};
    m_images.store(columns, row, rowNumber);
    return {updateSql(m_kind.table, columns.names(), columns.letters(), row, m_kind.keyColumns,
                      QLatin1Char(' ') + key + QLatin1Char('=') + SqlIntOrNull(matched))};
}

QStringList RowImporter::qualificationStatements(const ImportColumns &columns, QStringList &row, int rowNumber,
                                                 bool newSourceWorker)
{
    force(columns, row, QStringLiteral("KJCD"), m_target.kojiCode);
    force(columns, row, QStringLiteral("GYOCD"), m_target.gyoCode);
    force(columns, row, QStringLiteral("INCD"), QStringLiteral("0"));
    force(columns, row, QStringLiteral("CPNM"), m_target.gyoName);
    const QString matched = lookUp(workerByNameAndBirthSql(m_target.kojiCode, m_target.gyoCode,
                                                           valueOf(columns, row, QStringLiteral("NAME")),
                                                           valueOf(columns, row, QStringLiteral("BNDT"))),
                                   QStringLiteral("INCD"));
    if (matched.isEmpty())
        return {};
    force(columns, row, QStringLiteral("INCD"), matched);
    m_images.store(columns, row, rowNumber);
    QStringList statements;
    if (newSourceWorker)
        statements << deleteQualificationsSql(m_target.kojiCode, m_target.gyoCode, matched);
    statements << insertSql(m_kind.table, columns.names(), columns.letters(), row);
    return statements;
}

QString RowImporter::lookUp(const QString &sql, const QString &column)
{
    db::Query query(m_data.IBTransaction1);
    query.setSql(sql);
    query.open();
    return query.eof() ? QString() : query.field(column).asString();
}

}  // namespace sorvik::package
