#pragma once

#include "ArchiverResult.h"
#include "Durability.h"
#include "FileDescriptor.h"
#include "Lh5Encoder.h"

#include <filesystem>
#include <vector>

namespace sorvik::lzh {

// Writes an LZH archive of the given files, each stored under its bare name
// with a level-2 header, -lh5- or, where that does not help, -lh0-. The
// archive is written whole or not at all (sorvik::AtomicFile): a failure
// leaves any former archive untouched, and a name that is a link, a folder or
// a device is refused, never replaced.
class ArchiveWriter
{
public:
    explicit ArchiveWriter(const Lh5Tuning &tuning = {})
        : tuning_(tuning)
    {
    }

    ArchiverResult create(const std::filesystem::path &archive, const std::vector<std::filesystem::path> &files,
                          Durability durability = Durability::Synced) const;

private:
    ArchiverResult writeMembers(const FileDescriptor &out, const std::string &archiveName,
                                const std::vector<std::filesystem::path> &files) const;
    ArchiverResult addMember(const FileDescriptor &out, const std::string &archiveName,
                             const std::filesystem::path &file, Lh5Encoder &encoder) const;

    Lh5Tuning tuning_;
};

}  // namespace sorvik::lzh
