#pragma once

#include "ArchiverResult.h"
#include "FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sorvik::lzh {

// Members decoded into a private staging folder inside the target folder and
// put in place all or nothing.
//
// commit() first checks every target: a member may only replace a regular
// file, never a link (which a later reader would follow), a folder or a
// device. Then each file to be replaced is moved aside into the staging
// folder and the new one renamed into place. When one of these renames fails,
// the ones done are undone in reverse order and the replaced files return, so
// the folder is as it was. The staging folder goes with the object; a file
// that could not be put back stays there and the message says where.
class StagedFiles
{
public:
    // Renames `from` to `to`: 0 or the errno of the failure.
    using Rename = std::function<int(const std::string &from, const std::string &to)>;
    static int renameFile(const std::string &from, const std::string &to);

    explicit StagedFiles(std::filesystem::path folder, Rename rename = renameFile);
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles();

    // A new empty file that becomes `localName` (a bare name) on commit; a later
    // file of the same name takes the earlier one's place. On failure the
    // descriptor is invalid and `error` holds the errno.
    FileDescriptor create(const std::string &localName, std::uint32_t modified, int &error);
    ArchiverResult commit();
    int count() const { return static_cast<int>(files_.size()); }

private:
    struct Staged
    {
        std::string path;
        std::string localName;
        std::uint32_t modified = 0;
        std::string oldPath;  // where the replaced file waits; empty when none was moved aside
        bool placed = false;
    };

    std::string target(const Staged &file) const;
    ArchiverResult checkTargets() const;
    ArchiverResult undo(ArchiverResult failure);
    void removeStaging();

    std::filesystem::path folder_;
    Rename rename_;
    std::string staging_;
    bool keepStaging_ = false;
    int nextNumber_ = 0;
    std::vector<Staged> files_;
};

}  // namespace sorvik::lzh
