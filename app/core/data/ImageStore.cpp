#include "ImageStore.h"

#include "AtomicFile.h"
#include "db/SqlText.h"
#include "db/Error.h"
#include "db/Query.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ImageStore::ImageStore(db::Transaction &transaction)
    : m_transaction(transaction)
{
}

QString ImageStore::ImageFileName(int kind, qint64 number)
{
    const QString prefix = kind == 1 ? QStringLiteral("GAZ") : QStringLiteral("KAO");
    return prefix + QStringLiteral("%1").arg(number, 5, 10, QLatin1Char('0')) + QStringLiteral(".JPG");
}

qint64 ImageStore::nextGeneratorValue()
{
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("SELECT GEN_ID(gen_imcd,1) AS FN FROM RDB$DATABASE"));
    query.open();
    return query.eof() ? 0 : query.field(0).asInt64();
}

QString ImageStore::StoreImageFile(int kind, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw db::Error(QStringLiteral("画像ファイルを読み込めません。\n%1\n%2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();

    const QString name = ImageFileName(kind, nextGeneratorValue() + 1);
    // One plain insert on the shared transaction: a table dataset would read the table's
    // columns and keys through transactions of their own, and on a database with forced
    // writes every transaction started costs a page written to the disk.
    db::Query insert(m_transaction);
    insert.setSql(QStringLiteral("Insert into IMGFL (IMCD, FLNM, FLTYP, IMG) values (0, ?, ?, ?)"));
    insert.setParam(0, name);
    insert.setParam(1, kind);
    insert.setParam(2, bytes);
    insert.exec();
    return name;
}

bool ImageStore::IsBareFileName(const QString &fileName)
{
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return false;
    for (const QChar c : fileName) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

bool ImageStore::FetchImageFile(const QString &fileName, const QString &folder)
{
    if (fileName.isEmpty())
        return false;
    // The name comes from the database, which a received package may have filled: it may
    // only name a file in the folder, never a path out of it.
    if (!IsBareFileName(fileName))
        throw db::Error(QStringLiteral("画像ファイル名「%1」はファイル名ではないため取り出せません。").arg(fileName));
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("Select IMG from IMGFL where FLNM = ") + SqlQuote(fileName));
    query.open();
    if (query.eof())
        return true;
    const QByteArray bytes = query.field(0).asBytes();
    query.close();
    // Written whole or not at all, and never through a link planted under the name. The
    // folders images are fetched into are work folders, filled again whenever an image is
    // shown or packed: the file need not wait for the disk.
    const QString target = QDir(folder).filePath(fileName);
    std::string reason;
    if (!sorvik::writeFileAtomically(QFile::encodeName(target).toStdString(),
                                     std::string_view(bytes.constData(), size_t(bytes.size())), &reason,
                                     sorvik::Durability::Scratch))
        throw db::Error(
            QStringLiteral("画像ファイルを書き込めません。\n%1\n%2").arg(target, QString::fromStdString(reason)));
    return true;
}

QByteArray ImageStore::ImageBytes(const QString &fileName)
{
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("Select IMG from IMGFL where FLNM = ?"));
    query.setParam(0, fileName);
    query.open();
    return query.eof() ? QByteArray() : query.field(0).asBytes();
}
