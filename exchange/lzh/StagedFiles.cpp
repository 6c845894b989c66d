#include "StagedFiles.h"

#include "ArchiverMessages.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik::lzh {

StagedFiles::~StagedFiles()
{
    removeAll();
}

std::string StagedFiles::tempPattern() const
{
    return (folder_ / ".sorvik-lzh-XXXXXX").string();
}

void StagedFiles::add(std::string tempPath, std::string localName, std::uint32_t modified)
{
    files_.push_back({std::move(tempPath), std::move(localName), modified});
}

ArchiverResult StagedFiles::commit()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const Staged &file = files_[i];
        const std::string target = (folder_ / file.localName).string();
        const struct timespec times[2]
            = {{static_cast<time_t>(file.modified), 0}, {static_cast<time_t>(file.modified), 0}};
        ::chmod(file.tempPath.c_str(), 0666 & ~mask);
        ::utimensat(AT_FDCWD, file.tempPath.c_str(), times, 0);
        if (std::rename(file.tempPath.c_str(), target.c_str()) != 0) {
            const int error = errno;
            files_.erase(files_.begin(), files_.begin() + static_cast<std::ptrdiff_t>(i));
            removeAll();
            return messages::writeFailed(target, error);
        }
    }
    files_.clear();
    return {};
}

void StagedFiles::removeAll()
{
    for (const Staged &file : files_)
        ::unlink(file.tempPath.c_str());
    files_.clear();
}

}  // namespace sorvik::lzh
