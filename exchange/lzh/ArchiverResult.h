#pragma once

#include <string>

namespace sorvik::lzh {

// Result codes of LzhCommand; 0 is success, every other value a failure whose
// message (Japanese, UTF-8) names the file and the cause.
enum class ArchiverError {
    None = 0,
    BadCommand = 1,
    ArchiveMissing = 2,
    NotAnArchive = 3,
    DamagedMember = 4,
    CrcError = 5,
    UnsupportedMethod = 6,
    BadMemberName = 7,
    FolderMissing = 8,
    FolderUnwritable = 9,
    DiskFull = 10,
    ReadError = 11,
    WriteError = 12,
    NoFiles = 13,
    NameNotEncodable = 14,
    FileTooLarge = 15,
    OutOfMemory = 16,
    NotAFile = 17,
};

struct ArchiverResult
{
    ArchiverError error = ArchiverError::None;
    std::string message;

    bool ok() const { return error == ArchiverError::None; }
    static ArchiverResult success(std::string message) { return {ArchiverError::None, std::move(message)}; }
    static ArchiverResult failure(ArchiverError error, std::string message) { return {error, std::move(message)}; }
};

}  // namespace sorvik::lzh
