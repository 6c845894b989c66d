#pragma once

#include "Durability.h"

#include <string>
#include <string_view>

namespace sorvik {

// Writes a file whole or not at all: the bytes go into a fresh temporary file in the
// target's own folder (created exclusively, so no link or other file of that name can be
// followed), are flushed to the disk, and replace the target by one rename. Until
// commit() succeeds the target is untouched; a destroyed, uncommitted AtomicFile removes
// its temporary file.
//
// Only a regular file is ever replaced. A target that is a symbolic link, a device, a
// folder or anything else is refused, so `--out /dev/full` or a planted link never turns
// into a success or a write elsewhere.
//
// Writers that can only write to a path (libzip, a PDF writer) write to
// temporaryPath() and then call commit().
//
// Failures: open(), write() and commit() return false and leave a message in error()
// naming the file and the system's reason. A failed commit removes the temporary file.
class AtomicFile
{
public:
    // A Scratch file is not forced to the disk before it takes its name (see Durability).
    explicit AtomicFile(std::string target, Durability durability = Durability::Synced);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    bool write(const void *data, std::size_t size);
    bool write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }
    bool commit();

    const std::string &target() const { return m_target; }
    const std::string &temporaryPath() const { return m_temporary; }
    const std::string &error() const { return m_error; }

private:
    bool fail(const std::string &what, int errorNumber);
    void discard();

    std::string m_target;
    std::string m_temporary;
    std::string m_error;
    Durability m_durability;
    int m_fd = -1;
    bool m_committed = false;
};

// The whole of `bytes` as the new content of `path`. On failure returns false with the
// reason in `*error` (when given) and leaves any old file as it was.
bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string *error = nullptr,
                         Durability durability = Durability::Synced);

// Whether `path` may be replaced: it does not exist, or it is a regular file (not a link).
// On refusal `*error` says why.
bool isReplaceableFile(const std::string &path, std::string *error = nullptr);

}  // namespace sorvik
