#include "ZipArchive.h"

#include "CelvaneError.h"
#include "OutputFile.h"

#include <QFile>
#include <zip.h>

#include <memory>

namespace celvane {

namespace {

QString zipMessage(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

QString zipMessage(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = zipMessage(&error);
    zip_error_fini(&error);
    return text;
}

struct ArchiveCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

std::map<QString, QByteArray> readParts(zip_t *opened, const QString &name)
{
    const Archive archive(opened);
    const auto refuse = [&name](const QString &reason) {
        return CelvaneError(QStringLiteral("ブック「%1」を開けません（%2）").arg(name, reason));
    };
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > ZipArchive::kMostParts)
        throw refuse(QStringLiteral("部品が %1 個あり多すぎます").arg(count));
    // Sizes are checked before anything is unpacked, so a hostile package costs no memory.
    std::vector<std::pair<zip_uint64_t, zip_stat_t>> parts;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)
            || !(stat.valid & ZIP_STAT_NAME))
            continue;
        const QString path = QString::fromUtf8(stat.name);
        if (path.isEmpty() || path.endsWith(u'/'))
            continue;
        if (stat.size > zip_uint64_t(ZipArchive::kLargestPart))
            throw refuse(QStringLiteral("「%1」が大きすぎます").arg(path));
        total += qint64(stat.size);
        if (total > ZipArchive::kLargestTotal)
            throw refuse(QStringLiteral("展開すると大きすぎます"));
        parts.emplace_back(zip_uint64_t(i), stat);
    }
    std::map<QString, QByteArray> entries;
    for (const auto &[index, stat] : parts) {
        const QString path = QString::fromUtf8(stat.name);
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip_fopen_index(archive.get(), index, 0);
        const bool ok = file && zip_fread(file, bytes.data(), stat.size) == zip_int64_t(stat.size);
        if (file)
            zip_fclose(file);
        if (!ok)
            throw refuse(QStringLiteral("「%1」が読めません").arg(path));
        entries.emplace(path, std::move(bytes));
    }
    return entries;
}

}  // namespace

std::map<QString, QByteArray> ZipArchive::read(const QString &fileName)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY, &code);
    if (!archive)
        throw CelvaneError(QStringLiteral("ブック「%1」を開けません（%2）").arg(fileName, zipMessage(code)));
    return readParts(archive, fileName);
}

// An archive over bytes in memory; on failure the reason is set and nothing is left open.
zip_t *openInMemory(const void *data, qsizetype size, int flags, zip_source_t *&source, QString &reason)
{
    zip_error_t error;
    zip_error_init(&error);
    source = zip_source_buffer_create(data, zip_uint64_t(size), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, flags, &error) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        source = nullptr;
        reason = zipMessage(&error);
    }
    zip_error_fini(&error);
    return archive;
}

std::map<QString, QByteArray> ZipArchive::read(const QByteArray &bytes, const QString &name)
{
    zip_source_t *source = nullptr;
    QString reason;
    zip_t *archive = openInMemory(bytes.constData(), bytes.size(), ZIP_RDONLY, source, reason);
    if (!archive)
        throw CelvaneError(QStringLiteral("ブック「%1」を開けません（%2）").arg(name, reason));
    return readParts(archive, name);
}

QByteArray ZipArchive::pack(const std::vector<Entry> &entries, const QString &name)
{
    const auto refuse = [&name](const QString &reason) {
        return CelvaneError(QStringLiteral("「%1」に保存できません（%2）").arg(name, reason));
    };
    zip_source_t *buffer = nullptr;
    QString reason;
    zip_t *archive = openInMemory(nullptr, 0, ZIP_TRUNCATE, buffer, reason);
    if (!archive)
        throw refuse(reason);
    zip_source_keep(buffer);  // the packed bytes are read from it after the archive closes
    const auto discard = [&] {
        zip_discard(archive);
        zip_source_free(buffer);
    };
    for (const Entry &entry : entries) {
        zip_source_t *source = zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
        const zip_int64_t index = source
            ? zip_file_add(archive, entry.path.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
            : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            discard();
            throw refuse(entry.path);
        }
        zip_set_file_compression(archive, zip_uint64_t(index), entry.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                 entry.compress ? 1 : 0);
    }
    if (zip_close(archive) != 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        discard();
        throw refuse(reason);
    }
    QByteArray bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip_source_open(buffer) == 0) {
        bytes.resize(qsizetype(stat.size));
        const zip_int64_t read = zip_source_read(buffer, bytes.data(), stat.size);
        zip_source_close(buffer);
        if (read != zip_int64_t(stat.size))
            bytes.clear();
    }
    zip_source_free(buffer);
    if (bytes.isEmpty())
        throw refuse(QStringLiteral("書き出した内容が読めません"));
    return bytes;
}

void ZipArchive::write(const QString &fileName, const std::vector<Entry> &entries)
{
    OutputFile::save(fileName, pack(entries, fileName));
}

}  // namespace celvane
