#include "ZipArchive.h"

#include "CelvaneError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <zip.h>

#include <cstdio>

namespace celvane {

namespace {
constexpr zip_uint64_t kLargestPart = 512u * 1024u * 1024u;

QString zipMessage(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}
}  // namespace

std::map<QString, QByteArray> ZipArchive::read(const QString &fileName)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY, &code);
    if (!archive)
        throw CelvaneError(QStringLiteral("ブック「%1」を開けません（%2）").arg(fileName, zipMessage(code)));
    std::map<QString, QByteArray> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
            continue;
        const QString path = QString::fromUtf8(stat.name);
        if (path.endsWith(u'/'))
            continue;
        // No part of a real workbook comes near this; a larger one is a damaged or hostile file.
        if (stat.size > kLargestPart) {
            zip_discard(archive);
            throw CelvaneError(QStringLiteral("ブック「%1」の「%2」が大きすぎます").arg(fileName, path));
        }
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        const bool ok = file && zip_fread(file, bytes.data(), stat.size) == zip_int64_t(stat.size);
        if (file)
            zip_fclose(file);
        if (!ok) {
            zip_discard(archive);
            throw CelvaneError(QStringLiteral("ブック「%1」の「%2」が読めません").arg(fileName, path));
        }
        entries.emplace(path, std::move(bytes));
    }
    zip_discard(archive);
    return entries;
}

void ZipArchive::write(const QString &fileName, const std::vector<Entry> &entries)
{
    const QString temporary = fileName + QStringLiteral(".part");
    QFile::remove(temporary);
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(temporary).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        throw CelvaneError(QStringLiteral("「%1」に保存できません（%2）").arg(fileName, zipMessage(code)));
    for (const Entry &entry : entries) {
        zip_source_t *source = zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
        const zip_int64_t index = source
            ? zip_file_add(archive, entry.path.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
            : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            zip_discard(archive);
            throw CelvaneError(QStringLiteral("「%1」に保存できません（%2）").arg(fileName, entry.path));
        }
        zip_set_file_compression(archive, zip_uint64_t(index), entry.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                 entry.compress ? 1 : 0);
    }
    if (zip_close(archive) != 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        QFile::remove(temporary);
        throw CelvaneError(QStringLiteral("「%1」に保存できません（%2）").arg(fileName, reason));
    }
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(fileName).constData()) != 0) {
        QFile::remove(temporary);
        throw CelvaneError(QStringLiteral("「%1」に保存できません（書き込めません）").arg(fileName));
    }
}

}  // namespace celvane
