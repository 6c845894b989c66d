#include "ArchiveWriter.h"

#include "ArchiverMessages.h"
#include "AtomicFile.h"
#include "Cp932.h"
#include "Crc16.h"
#include "MemberHeader.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik::lzh {

namespace {

constexpr std::size_t kReadChunk = 1 << 18;
constexpr std::uint64_t kMaxMemberSize = 0xFFFFFFFFu;

// Reads the file to its end in chunks, keeping its CRC and size, and hands
// each chunk to consume, which may fail or set stop.
template<typename Consume>
ArchiverResult readChunks(const FileDescriptor &in, const std::string &fileName, std::vector<std::uint8_t> &chunk,
                          Crc16 &crc, std::uint64_t &size, bool &stop, Consume consume)
{
    crc = Crc16();
    size = 0;
    stop = false;
    while (!stop) {
        const long long n = in.readUpTo(chunk.data(), chunk.size());
        if (n < 0)
            return messages::readFailed(fileName, static_cast<int>(-n));
        if (n == 0)
            break;
        crc.update(chunk.data(), static_cast<std::size_t>(n));
        size += static_cast<std::uint64_t>(n);
        if (size > kMaxMemberSize)
            return messages::fileTooLarge(fileName);
        if (ArchiverResult result = consume(static_cast<std::size_t>(n)); !result.ok())
            return result;
    }
    return {};
}

}  // namespace

ArchiverResult ArchiveWriter::create(const std::filesystem::path &archive,
                                     const std::vector<std::filesystem::path> &files, Durability durability) const
{
    const std::string archiveName = archive.string();
    if (!sorvik::isReplaceableFile(archiveName))
        return messages::notAFile(archiveName);
    sorvik::AtomicFile file(archiveName, durability);
    errno = 0;
    if (!file.open())
        return messages::writeFailed(archiveName, errno ? errno : EIO);
    // Headers are patched in place once a member's size is known, so the archive is
    // written through a descriptor of its own on the atomic file's temporary.
    FileDescriptor out(::open(file.temporaryPath().c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (!out.valid())
        return messages::writeFailed(archiveName, errno);

    if (ArchiverResult result = writeMembers(out, archiveName, files); !result.ok())
        return result;
    const std::uint8_t endMark = 0;
    if (const int error = out.writeAll(&endMark, 1); error != 0)
        return messages::writeFailed(archiveName, error);
    if (const int error = out.close(); error != 0)
        return messages::writeFailed(archiveName, error);
    errno = 0;
    if (!file.commit()) {
        const int error = errno ? errno : EIO;
        return sorvik::isReplaceableFile(archiveName) ? messages::writeFailed(archiveName, error)
                                                      : messages::notAFile(archiveName);
    }
    return ArchiverResult::success(messages::created(static_cast<int>(files.size()), archiveName));
}

ArchiverResult ArchiveWriter::writeMembers(const FileDescriptor &out, const std::string &archiveName,
                                           const std::vector<std::filesystem::path> &files) const
{
    Lh5Encoder encoder(tuning_);
    for (const auto &file : files) {
        ArchiverResult result = addMember(out, archiveName, file, encoder);
        if (!result.ok())
            return result;
    }
    return {};
}

ArchiverResult ArchiveWriter::addMember(const FileDescriptor &out, const std::string &archiveName,
                                        const std::filesystem::path &file, Lh5Encoder &encoder) const
{
    const std::string fileName = file.string();
    const auto name = sorvik::cp932::fromUtf8Exact(file.filename().string());
    if (!name)
        return messages::nameNotEncodable(fileName);
    FileDescriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st
    {
    };
    if (!in.valid() || ::fstat(in.get(), &st) != 0)
        return messages::readFailed(fileName, errno);
    if (static_cast<std::uint64_t>(st.st_size) > kMaxMemberSize)
        return messages::fileTooLarge(fileName);

    MemberHeader header;
    header.name = *name;
    header.modified = static_cast<std::uint32_t>(st.st_mtime < 0 ? 0 : st.st_mtime);
    const std::vector<std::uint8_t> placeholder = header.encode();
    const off_t headerAt = ::lseek(out.get(), 0, SEEK_CUR);
    const off_t dataAt = headerAt + static_cast<off_t>(placeholder.size());
    if (int error = out.writeAll(placeholder.data(), placeholder.size()))
        return messages::writeFailed(archiveName, error);

    std::vector<std::uint8_t> chunk(kReadChunk);
    std::uint64_t original = 0;
    std::uint64_t packed = 0;
    Crc16 crc;
    bool stored = st.st_size == 0;
    if (!stored) {
        encoder.reset();
        auto drain = [&]() {
            auto &bytes = encoder.output();
            packed += bytes.size();
            const int error = out.writeAll(bytes.data(), bytes.size());
            bytes.clear();
            return error == 0 ? ArchiverResult{} : messages::writeFailed(archiveName, error);
        };
        ArchiverResult result = readChunks(in, fileName, chunk, crc, original, stored, [&](std::size_t n) {
            encoder.write(chunk.data(), n);
            ArchiverResult drained = drain();
            stored = packed >= static_cast<std::uint64_t>(st.st_size);  // no gain possible any more
            return drained;
        });
        if (result.ok() && !stored) {
            encoder.finish();
            result = drain();
            stored = packed >= original;
        }
        if (!result.ok())
            return result;
    }

    if (stored) {
        // Store the bytes as they are, over whatever compressed data was written.
        if (::lseek(out.get(), dataAt, SEEK_SET) < 0 || ::ftruncate(out.get(), dataAt) != 0
            || ::lseek(in.get(), 0, SEEK_SET) < 0)
            return messages::writeFailed(archiveName, errno);
        bool stop = false;
        ArchiverResult result = readChunks(in, fileName, chunk, crc, original, stop, [&](std::size_t n) {
            const int error = out.writeAll(chunk.data(), n);
            return error == 0 ? ArchiverResult{} : messages::writeFailed(archiveName, error);
        });
        if (!result.ok())
            return result;
        packed = original;
        header.method = "-lh0-";
    }

    header.packedSize = static_cast<std::uint32_t>(packed);
    header.originalSize = static_cast<std::uint32_t>(original);
    header.dataCrc = crc.value();
    const std::vector<std::uint8_t> finalHeader = header.encode();
    const off_t endAt = dataAt + static_cast<off_t>(packed);
    if (::lseek(out.get(), headerAt, SEEK_SET) < 0)
        return messages::writeFailed(archiveName, errno);
    if (int error = out.writeAll(finalHeader.data(), finalHeader.size()))
        return messages::writeFailed(archiveName, error);
    if (::lseek(out.get(), endAt, SEEK_SET) < 0)
        return messages::writeFailed(archiveName, errno);
    return {};
}

}  // namespace sorvik::lzh
