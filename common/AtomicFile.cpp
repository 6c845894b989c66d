#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sorvik {

namespace {

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The process umask without changing it (umask() would, for a moment, for every thread).
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

// A new file gets the mode any other program's new file would; a replaced file keeps its own.
mode_t modeFor(const std::string &target)
{
    struct stat st
    {
    };
    if (::stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    return 0666 & ~currentUmask();
}

void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool isReplaceableFile(const std::string &path, std::string *error)
{
    struct stat st
    {
    };
    if (::lstat(path.c_str(), &st) != 0)
        return true;
    if (S_ISREG(st.st_mode))
        return true;
    if (error)
        *error = path + ": not a regular file ("
            + (S_ISLNK(st.st_mode)       ? "a symbolic link"
                   : S_ISDIR(st.st_mode) ? "a folder"
                                         : "a device or special file")
            + "), not replaced";
    return false;
}

AtomicFile::AtomicFile(std::string target, Durability durability)
    : m_target(std::move(target))
    , m_durability(durability)
{
}

AtomicFile::~AtomicFile()
{
    if (!m_committed)
        discard();
}

bool AtomicFile::fail(const std::string &what, int errorNumber)
{
    m_error = m_target + ": " + what + (errorNumber ? std::string(" (") + std::strerror(errorNumber) + ")" : "");
    discard();
    return false;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

bool AtomicFile::open()
{
    discard();
    m_committed = false;
    m_error.clear();
    if (m_target.empty() || m_target.back() == '/')
        return fail("no file name", 0);
    std::string reason;
    if (!isReplaceableFile(m_target, &reason)) {
        m_error = reason;
        return false;
    }
    // Hidden, and named after the target so a stray one left by a crash is recognisable.
    const auto slash = m_target.find_last_of('/');
    const std::string base = slash == std::string::npos ? m_target : m_target.substr(slash + 1);
    std::string pattern = folderOf(m_target) + "/." + base + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    m_fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (m_fd < 0)
        return fail("cannot create a file in its folder", errno);
    m_temporary.assign(buffer.data());
    ::fchmod(m_fd, modeFor(m_target));
    return true;
}

bool AtomicFile::write(const void *data, std::size_t size)
{
    if (m_fd < 0)
        return fail("not open for writing", 0);
    const char *p = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, p, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("write failed", errno);
        }
        p += n;
        size -= std::size_t(n);
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_temporary.empty())
        return fail("nothing to commit", 0);
    const bool synced = m_durability == Durability::Synced;
    if (m_fd >= 0) {
        const int fd = m_fd;
        m_fd = -1;
        if (synced && ::fsync(fd) != 0) {
            const int e = errno;
            ::close(fd);
            return fail("cannot flush to the disk", e);
        }
        if (::close(fd) != 0)
            return fail("cannot close", errno);
    } else {
        // Written through temporaryPath() by another writer, which may have replaced the file.
        struct stat st
        {
        };
        if (::lstat(m_temporary.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return fail("the written file is missing", errno);
        const int fd = ::open(m_temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0 || (synced && ::fsync(fd) != 0)) {
            const int e = errno;
            if (fd >= 0)
                ::close(fd);
            return fail("cannot flush to the disk", e);
        }
        ::close(fd);
    }
    // Checked again: the target may have been replaced by a link while we wrote.
    std::string reason;
    if (!isReplaceableFile(m_target, &reason)) {
        discard();
        m_error = reason;
        return false;
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return fail("cannot replace the file", errno);
    m_temporary.clear();
    m_committed = true;
    if (synced)
        syncFolder(folderOf(m_target));
    return true;
}

bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string *error, Durability durability)
{
    AtomicFile file(path, durability);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.error();
    return ok;
}

}  // namespace sorvik
