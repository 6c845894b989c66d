#include "ArchiveExtractor.h"

#include "ArchiverMessages.h"
#include "Crc16.h"
#include "FileDescriptor.h"
#include "MemberName.h"
#include "StagedFiles.h"
#include "StoredName.h"

extern "C" {
#include <lhasa.h>
}

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace sorvik::lzh {

namespace {

int readFile(void *handle, void *buffer, std::size_t size)
{
    auto *file = static_cast<std::FILE *>(handle);
    const std::size_t n = std::fread(buffer, 1, size, file);
    return n == 0 && std::ferror(file) ? -1 : static_cast<int>(n);
}

int skipFile(void *handle, std::size_t bytes)
{
    return fseeko(static_cast<std::FILE *>(handle), static_cast<off_t>(bytes), SEEK_CUR) == 0;
}

void keepFileOpen(void *)
{
}

const LHAInputStreamType kFileStream{readFile, skipFile, keepFileOpen};

struct FileCloser
{
    void operator()(std::FILE *f) const { std::fclose(f); }
};
struct StreamFree
{
    void operator()(LHAInputStream *s) const { lha_input_stream_free(s); }
};
struct ReaderFree
{
    void operator()(LHAReader *r) const { lha_reader_free(r); }
};

std::uint64_t freeSpace(const std::filesystem::path &folder)
{
    struct statvfs vfs
    {
    };
    if (::statvfs(folder.c_str(), &vfs) != 0)
        return UINT64_MAX;
    return static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
}

// A self-extracting archive starts with a program; its members do not start at 0.
bool startsWithProgram(std::FILE *file)
{
    char magic[2] = {};
    const bool program = std::fread(magic, 1, 2, file) == 2 && magic[0] == 'M' && magic[1] == 'Z';
    std::rewind(file);
    return program;
}

int byteAt(std::FILE *file, std::uint64_t offset)
{
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0)
        return EOF;
    return std::fgetc(file);
}

// liblhasa stops at a header it refuses without saying why; look at the
// header there to tell an unknown method or an unusable name from damage.
ArchiverResult explainStop(std::FILE *file, std::uint64_t offset, const std::string &archiveName)
{
    std::vector<std::uint8_t> header(4096);
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0)
        return messages::damagedArchive(archiveName);
    header.resize(std::fread(header.data(), 1, header.size(), file));
    const auto name = storedName(header.data(), header.size());
    if (!name || header.size() < 7 || header[2] != '-' || header[6] != '-')
        return offset == 0 ? messages::notAnArchive(archiveName) : messages::damagedArchive(archiveName);
    const std::string local = member_name::local(*name);
    std::string method(reinterpret_cast<const char *>(header.data() + 2), 5);
    if (!lha_decoder_for_name(method.data()))
        return messages::unsupportedMethod(archiveName, local, method);
    if (member_name::isReserved(local))
        return messages::badMemberName(archiveName, local);
    return messages::damagedArchive(archiveName);
}

}  // namespace

ArchiverResult ArchiveExtractor::extract(const std::filesystem::path &archive,
                                         const std::filesystem::path &folder) const
{
    const std::string archiveName = archive.string();
    std::error_code ec;
    if (!std::filesystem::exists(archive, ec))
        return messages::archiveMissing(archiveName);
    if (!std::filesystem::is_regular_file(archive, ec))
        return messages::notAnArchive(archiveName);
    const std::uint64_t archiveSize = std::filesystem::file_size(archive, ec);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(archive.c_str(), "rb"));
    if (!file)
        return messages::readFailed(archiveName, errno);
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder))
        return messages::writeFailed(folder.string(), ec ? ec.value() : ENOTDIR);

    const bool checkLayout = !startsWithProgram(file.get());
    std::unique_ptr<LHAInputStream, StreamFree> stream(lha_input_stream_new(&kFileStream, file.get()));
    std::unique_ptr<LHAReader, ReaderFree> reader(stream ? lha_reader_new(stream.get()) : nullptr);
    if (!reader)
        return messages::readFailed(archiveName, ENOMEM);
    lha_reader_set_dir_policy(reader.get(), LHA_READER_DIR_PLAIN);

    StagedFiles staged(folder);
    std::vector<std::uint8_t> buffer(1 << 16);
    std::uint64_t memberEnd = 0;  // where the next header must start
    std::uint64_t needed = 0;
    int members = 0;
    while (LHAFileHeader *header = lha_reader_next_file(reader.get())) {
        ++members;
        memberEnd += header->raw_data_len + header->compressed_length;
        if (std::strcmp(header->compress_method, LHA_COMPRESS_TYPE_DIR) == 0 || header->symlink_target)
            continue;  // folders and links are not carried over: everything lands flat
        const std::string stored
            = storedName(header->raw_data, header->raw_data_len).value_or(header->filename ? header->filename : "");
        const std::string local = member_name::local(stored);
        const std::string shown = local.empty() ? member_name::text(stored) : local;
        if (member_name::isReserved(local))
            return messages::badMemberName(archiveName, shown);
        if (checkLayout && memberEnd > archiveSize)
            return messages::damagedMember(archiveName, shown);
        if (!lha_decoder_for_name(header->compress_method))
            return messages::unsupportedMethod(archiveName, shown, header->compress_method);
        needed += header->length;
        if (needed > freeSpace(folder))
            return messages::writeFailed((folder / local).string(), ENOSPC);

        int error = 0;
        FileDescriptor out = staged.create(local, header->timestamp, error);
        if (!out.valid())
            return messages::writeFailed((folder / local).string(), error);

        Crc16 crc;
        std::uint64_t decoded = 0;
        while (const std::size_t n = lha_reader_read(reader.get(), buffer.data(), buffer.size())) {
            crc.update(buffer.data(), n);
            decoded += n;
            if (decoded > header->length)
                return messages::damagedMember(archiveName, shown);
            if ((error = out.writeAll(buffer.data(), n)) != 0)
                return messages::writeFailed((folder / local).string(), error);
        }
        if (m_durability == Durability::Synced && ::fsync(out.get()) != 0)
            return messages::writeFailed((folder / local).string(), errno);
        if ((error = out.close()) != 0)
            return messages::writeFailed((folder / local).string(), error);
        if (decoded != header->length)
            return messages::damagedMember(archiveName, shown);
        if (crc.value() != header->crc)
            return messages::crcError(archiveName, shown);
    }

    if (members == 0 && (archiveSize == 0 || byteAt(file.get(), 0) != 0))
        return checkLayout ? explainStop(file.get(), 0, archiveName) : messages::notAnArchive(archiveName);
    // The reader stops quietly at a header it cannot parse; anything but the
    // end mark (or the plain end of the file) there means damage.
    if (checkLayout && memberEnd < archiveSize && byteAt(file.get(), memberEnd) != 0)
        return explainStop(file.get(), memberEnd, archiveName);
    if (checkLayout && memberEnd > archiveSize)
        return messages::damagedArchive(archiveName);

    const int count = staged.count();
    if (ArchiverResult result = staged.commit(); !result.ok())
        return result;
    return ArchiverResult::success(messages::extracted(count, folder.string()));
}

}  // namespace sorvik::lzh
