#include "StagedFiles.h"

#include "ArchiverMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik::lzh {

namespace {

void syncFolder(const std::filesystem::path &folder)
{
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

}  // namespace

int StagedFiles::renameFile(const std::string &from, const std::string &to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

StagedFiles::StagedFiles(std::filesystem::path folder, Rename rename)
    : folder_(std::move(folder))
    , rename_(std::move(rename))
{
}

StagedFiles::~StagedFiles()
{
    removeStaging();
}

std::string StagedFiles::target(const Staged &file) const
{
    return (folder_ / file.localName).string();
}

FileDescriptor StagedFiles::create(const std::string &localName, std::uint32_t modified, int &error)
{
    error = 0;
    if (staging_.empty()) {
        // Hidden, so that a crash leaves nothing that looks like a member.
        std::string pattern = (folder_ / ".sorvik-lzh-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            error = errno;
            return {};
        }
        staging_ = pattern;
    }
    const std::string path = staging_ + "/" + std::to_string(nextNumber_++);
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid()) {
        error = errno;
        return fd;
    }
    const auto same
        = std::find_if(files_.begin(), files_.end(), [&](const Staged &file) { return file.localName == localName; });
    if (same != files_.end()) {
        ::unlink(same->path.c_str());
        files_.erase(same);
    }
    files_.push_back({path, localName, modified, {}, false});
    return fd;
}

ArchiverResult StagedFiles::checkTargets() const
{
    for (const Staged &file : files_) {
        struct stat st
        {
        };
        if (::lstat(target(file).c_str(), &st) == 0) {
            if (!S_ISREG(st.st_mode))
                return messages::notAFile(target(file));
        } else if (errno != ENOENT) {
            return messages::writeFailed(target(file), errno);
        }
    }
    return {};
}

ArchiverResult StagedFiles::commit()
{
    if (ArchiverResult checked = checkTargets(); !checked.ok())
        return checked;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const Staged &file : files_) {
        const struct timespec times[2]
            = {{static_cast<time_t>(file.modified), 0}, {static_cast<time_t>(file.modified), 0}};
        ::chmod(file.path.c_str(), 0666 & ~mask);
        ::utimensat(AT_FDCWD, file.path.c_str(), times, 0);
    }
    for (Staged &file : files_) {
        const std::string to = target(file);
        struct stat st
        {
        };
        if (::lstat(to.c_str(), &st) == 0) {
            const std::string aside = staging_ + "/old" + std::to_string(nextNumber_++);
            if (const int error = rename_(to, aside))
                return undo(messages::writeFailed(to, error));
            file.oldPath = aside;
        }
        if (const int error = rename_(file.path, to))
            return undo(messages::writeFailed(to, error));
        file.placed = true;
    }
    syncFolder(folder_);
    return {};
}

ArchiverResult StagedFiles::undo(ArchiverResult failure)
{
    for (auto file = files_.rbegin(); file != files_.rend(); ++file) {
        const std::string to = target(*file);
        if (file->placed && file->oldPath.empty())
            ::unlink(to.c_str());
        if (!file->oldPath.empty() && rename_(file->oldPath, to) != 0) {
            keepStaging_ = true;
            failure.message += messages::oldFileKept(to, file->oldPath);
        }
        file->placed = false;
        file->oldPath.clear();
    }
    syncFolder(folder_);
    return failure;
}

void StagedFiles::removeStaging()
{
    if (staging_.empty() || keepStaging_)
        return;
    std::error_code ec;
    std::filesystem::remove_all(staging_, ec);
}

}  // namespace sorvik::lzh
