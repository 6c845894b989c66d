#include "PackageExchange.h"

#include "program/AppContext.h"
#include "ArchiveCommands.h"
#include "ArchiverMessages.h"
#include "program/DataModule1.h"
#include "ExportRows.h"
#include "FileInfo.h"
#include "ImageName.h"
#include "ImportColumns.h"
#include "ImportStatements.h"
#include "PackageContent.h"
#include "PackageKind.h"
#include "PackageText.h"
#include "PackageWriter.h"
#include "RecordEncoder.h"
#include "RowImages.h"
#include "RowImporter.h"
#include "db/SqlText.h"
#include "UserNotes.h"
#include "WorkFolder.h"
#include "data/QueryDataSet.h"
#include "messages/MessageService.h"

#include <QSet>

namespace sorvik::package {

namespace {

const QString kLoadFailedMessage = QStringLiteral("ロード処理は出来ませんでした。");

QString appDir()
{
    return AppContext::instance().AppDir;
}

void tellError(const QString &text)
{
    MessageService::current().error(text);
}

const PackageKind *kindOrTell(int number)
{
    const PackageKind *kind = kindByNumber(number);
    if (!kind)
        tellError(QStringLiteral("%1 は取り込みや作成ができるデータの種類ではありません。").arg(number));
    return kind;
}

// The image names of the rows, each once; names that are not bare are noted and left out.
QStringList imageNames(const ExportRows &rows, const PackageKind &kind, QStringList &notes)
{
    QStringList names;
    for (const QString &column : kind.imageColumns) {
        const qsizetype index = rows.columns.indexOf(column);
        if (index < 0)
            continue;
        for (std::size_t row = 0; row < rows.rows.size(); ++row) {
            const QString &name = rows.rows[row][index];
            if (name.isEmpty() || names.contains(name))
                continue;
            if (isBareImageName(name))
                names << name;
            else
                notes << QStringLiteral("%1 の %2 行目の %3「%4」はファイル名として使えないため、画像を入れません。")
                             .arg(kind.table)
                             .arg(row + 1)
                             .arg(column, name);
        }
    }
    return names;
}

// Why a package cannot be imported although its header was accepted; empty when it can.
QString refusal(const PackageContent &content)
{
    if (!content.hasRecords)
        return QStringLiteral("このファイルにはデータ (RECORD) が有りません。");
    if (content.scheme->columns.isEmpty())
        return QStringLiteral("このファイルには列の定義が有りません。");
    if (!content.problems.isEmpty())
        return QStringLiteral("このファイルは壊れているため取り込めません。\n\r")
            + content.problems.join(QStringLiteral("\n\r"));
    return {};
}

QString droppedNote(const QString &table, const QStringList &dropped)
{
    return QStringLiteral("%1 の次の列はこのデータベースに無いため取り込みません: %2")
        .arg(table, dropped.join(QStringLiteral(", ")));
}

// The company name heads every FILEINFO.
QStringList companyNameNotes()
{
    return unencodableNotes(QStringLiteral("FILEINFO の作成者"), AppContext::instance().CompanyName);
}

// Unpacks `archive` into the work folder. When that fails the archiver has told the user,
// and the folder (left empty) reads as no package at all.
PackageFolder unpack(const QString &archive, const WorkFolder &folder)
{
    lzh::ExtractArchive(archive, folder.path(), Durability::Scratch);
    return PackageFolder(folder.path());
}

}  // namespace

PackageExchange::PackageExchange(TDataModule1 &data, PackageDialogs &dialogs)
    : m_data(data)
    , m_dialogs(dialogs)
{
    showArchiverMessagesToTheUser();
}

bool PackageExchange::ExportTable(const QString &target, int kind, DataSet &dataSet, bool unitMode,
                                  Durability durability)
{
    QStringList notes;
    try {
        return exportTable(target, kind, dataSet, unitMode, durability, notes);
    } catch (const db::Error &error) {
        tellError(error.message());
        return false;
    }
}

bool PackageExchange::exportTable(const QString &target, int kind, DataSet &dataSet, bool unitMode,
                                  Durability durability, QStringList &notes)
{
    const PackageKind *packageKind = kindOrTell(kind);
    if (!packageKind)
        return false;
    const WorkFolder temp(appDir(), kTempFolder);
    if (!temp.ready())
        return false;
    const QStringList fileInfo = fileInfoLines(packageKind->header, AppContext::instance().CompanyName, today());
    if (!unitMode)
        notes << companyNameNotes();
    bool scrambled = unitMode;
    if (!unitMode && kind != 5) {
        const ExportAnswer answer = m_dialogs.confirmExport(fileInfo);
        if (!answer.accepted)
            return false;
        scrambled = !answer.forOlderVersion;
    }

    const ExportRows rows = ExportRows::of(dataSet, !unitMode && packageKind->exportsCurrentRecordOnly());
    const RecordEncoder records = RecordEncoder::encode(rows, *packageKind);
    notes << records.notes;
    const QStringList images = imageNames(rows, *packageKind, notes);
    if (!unitMode) {
        warnUser(notes);
        notes.clear();
    }

    PackageScheme scheme;
    scheme.kind = QString::number(kind);
    scheme.columns = rows.columns;
    scheme.types = rows.types;
    scheme.imageColumns = packageKind->imageColumns;
    QString error;
    if (!writePackageMembers(temp.path(), fileInfo, scheme, records.bytes, scrambled, &error)) {
        tellError(error);
        return false;
    }
    for (const QString &name : images)
        m_data.FetchImageFile(name, temp.path());
    return lzh::CreateArchive(target, temp.path(), durability);
}

bool PackageExchange::UnloadUnit(const QString &kojiCode, const QString &target)
{
    const WorkFolder ext(appDir(), kUnitFolder);
    if (!ext.ready())
        return false;
    QStringList tables;
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (kindByNumber(kind)->travelsInUnit())
            tables << kindByNumber(kind)->table;
    }
    QString error;
    if (!writeUnitMembers(ext.path(), fileInfoLines(kUnitHeader, AppContext::instance().CompanyName, today()), tables,
                          &error)) {
        tellError(error);
        return false;
    }
    QStringList notes = companyNameNotes();
    try {
        for (const QString &table : tables) {
            QueryDataSet query(m_data.IBTransaction1);
            query.SetSQL(QStringLiteral("Select * from ") + table + QStringLiteral(" where KJCD = ")
                         + SqlIntOrNull(kojiCode));
            query.Open();
            if (!exportTable(ext.filePath(table), kindByTable(table)->number, query, true, Durability::Scratch, notes))
                return false;
        }
    } catch (const db::Error &failure) {
        tellError(failure.message());
        return false;
    }
    warnUser(notes);
    return lzh::CreateArchive(target, ext.path());
}

bool PackageExchange::ImportTable(const QString &package, int kind, DataSet *editor)
{
    const PackageKind *packageKind = kindOrTell(kind);
    if (!packageKind)
        return false;
    if (packageKind->storing == Storing::UnitOnly) {
        tellError(QStringLiteral("%1 のデータはユニットファイルでのみ取り込めます。").arg(packageKind->table));
        return false;
    }
    if (packageKind->storing == Storing::OverwriteRecord && !editor) {
        tellError(QStringLiteral("取り込む先のレコードが開かれていません。"));
        return false;
    }
    const WorkFolder temp(appDir(), kTempFolder);
    if (!temp.ready())
        return false;
    const PackageFolder folder = unpack(package, temp);
    const PackageContent content = PackageContent::read(folder);

    const ImportReview review = ImportReview::of(content, kind);
    bool overwrite = false;
    if (kind == 5) {
        // Qualifications follow the workers of the same roster without a dialog; only a
        // file that cannot be one is refused aloud.
        if (!review.importable) {
            tellError(review.messages.join(QStringLiteral("\n\r")));
            return false;
        }
    } else {
        const ImportAnswer answer = ask(review);
        if (!answer.accepted)
            return false;
        overwrite = answer.overwrite;
    }
    if (const QString reason = refusal(content); !reason.isEmpty()) {
        tellError(reason);
        return false;
    }

    try {
        const TableColumns target = editor ? TableColumns::ofDataSet(*editor)
                                           : TableColumns::ofTable(m_data.IBTransaction1, packageKind->table);
        const ImportColumns columns(*content.scheme, *packageKind, target);
        QStringList notes = content.warnings;
        if (!columns.dropped().isEmpty())
            notes << droppedNote(packageKind->table, columns.dropped());
        warnUser(notes);
        if (columns.names().isEmpty()) {
            tellError(QStringLiteral("このファイルにはこのデータベースに取り込める列が有りません。"));
            return false;
        }

        QStringList imageNotes;
        RowImages images(m_data, folder, packageKind->imageKind(), imageNotes);
        const AppContext &context = AppContext::instance();
        RowImporter importer(m_data, *packageKind,
                             {context.Project().CurKojiCode(), context.ImportGyoCode, context.ImportGyoName}, overwrite,
                             images);
        const bool stored = packageKind->storing == Storing::OverwriteRecord
            ? importer.overwriteRecord(*editor, columns, content.rows)
            : importer.storeRows(columns, content.rows);
        warnUser(imageNotes);
        return stored;
    } catch (const db::Error &error) {
        tellError(error.message());
        return false;
    }
}

ImportAnswer PackageExchange::ask(const ImportReview &review)
{
    for (const QString &message : review.messages)
        MessageService::current().warning(message);
    const ImportAnswer answer = m_dialogs.confirmImport(review);
    return {answer.accepted && review.importable, answer.overwrite};
}

bool PackageExchange::LoadUnit(const QString &newKojiCode, const QString &unitFile)
{
    const WorkFolder ext(appDir(), kUnitFolder);
    if (!ext.ready())
        return false;
    const PackageFolder unit = unpack(unitFile, ext);
    const PackageContent content = PackageContent::read(unit);
    if (!ask(ImportReview::of(content, std::nullopt)).accepted)
        return false;

    QStringList notes;
    bool loaded = false;
    try {
        loaded = loadUnitTables(unit, content.scheme->columns, newKojiCode, notes);
    } catch (const db::Error &error) {
        tellError(error.message());
    }
    warnUser(notes);
    if (loaded) {
        m_data.IBTransaction1.commitRetaining();
        return true;
    }
    m_data.IBTransaction1.rollbackRetaining();
    tellError(kLoadFailedMessage);
    return false;
}

bool PackageExchange::loadUnitTables(const PackageFolder &unit, const QStringList &tables, const QString &newKojiCode,
                                     QStringList &notes)
{
    QStringList refused;
    for (const QString &table : tables) {
        const PackageKind *kind = kindByTable(table);
        if (kind && !kind->travelsInUnit())
            refused << table;
    }
    if (!refused.isEmpty())
        notes << QStringLiteral("ユニットファイルには入らないはずの %1 は取り込みません。")
                     .arg(refused.join(QStringLiteral(", ")));

    int loaded = 0;
    for (int number = 0; number < kKindCount; ++number) {
        const PackageKind *kind = kindByNumber(number);
        if (!kind->travelsInUnit() || !tables.contains(kind->table))
            continue;
        QString member = unit.path(kind->table);
        if (member.isEmpty())
            member = unit.path(kind->table + QStringLiteral(".LZH"));
        if (member.isEmpty()) {
            tellError(QStringLiteral("ユニットファイルに %1 のデータが有りません。").arg(kind->table));
            return false;
        }
        if (!loadUnitTable(member, *kind, newKojiCode, notes))
            return false;
        ++loaded;
    }
    return loaded > 0;
}

bool PackageExchange::LoadUnitTable(const QString &tablePackage, int kind, const QString &newKojiCode)
{
    const PackageKind *packageKind = kindOrTell(kind);
    if (!packageKind)
        return false;
    QStringList notes;
    bool loaded = false;
    try {
        loaded = loadUnitTable(tablePackage, *packageKind, newKojiCode, notes);
    } catch (const db::Error &error) {
        tellError(error.message());
    }
    warnUser(notes);
    return loaded;
}

bool PackageExchange::loadUnitTable(const QString &tablePackage, const PackageKind &kind, const QString &newKojiCode,
                                    QStringList &notes)
{
    const WorkFolder temp(appDir(), kTempFolder);
    if (!temp.ready())
        return false;
    if (!lzh::ExtractArchive(tablePackage, temp.path(), Durability::Scratch))
        return false;
    const PackageFolder folder(temp.path());
    const PackageContent content = PackageContent::read(folder);
    const ImportReview review = ImportReview::of(content, kind.number);
    if (!review.importable) {
        tellError(kind.table + QStringLiteral(": ") + review.messages.join(QStringLiteral("\n\r")));
        return false;
    }
    if (const QString reason = refusal(content); !reason.isEmpty()) {
        tellError(kind.table + QStringLiteral(": ") + reason);
        return false;
    }
    const ImportColumns columns(*content.scheme, kind, TableColumns::ofTable(m_data.IBTransaction1, kind.table));
    notes << content.warnings;
    if (!columns.dropped().isEmpty())
        notes << droppedNote(kind.table, columns.dropped());
    RowImages images(m_data, folder, kind.imageKind(), notes);
    const int kojiColumn = columns.indexOf(QStringLiteral("KJCD"));
    db::Query insert(m_data.IBTransaction1);
    int rowNumber = 0;
    for (const QStringList &packageRow : content.rows) {
        QStringList row = columns.keep(packageRow);
        if (kojiColumn >= 0)
            row[kojiColumn] = newKojiCode;
        images.store(columns, row, ++rowNumber);
        insert.setSql(insertSql(kind.table, columns.names(), columns.letters(), row));
        insert.exec();
    }
    return true;
}

}  // namespace sorvik::package
