#pragma once

#include <cstddef>
#include <string>

namespace sorvik::lzh {

// Owns a POSIX file descriptor; the helpers retry short transfers and
// return 0 or the errno of the failure.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    FileDescriptor(FileDescriptor &&other) noexcept
        : fd_(other.release())
    {
    }
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();
    // 0 or errno; closing reports late write errors (network file systems).
    int close();

    int writeAll(const void *data, std::size_t size) const;
    // Bytes read into data (less than size only at end of file), or -errno.
    long long readUpTo(void *data, std::size_t size) const;

private:
    int fd_ = -1;
};

}  // namespace sorvik::lzh
