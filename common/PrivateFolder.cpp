#include "PrivateFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik {

namespace {

bool fail(std::string *error, const std::string &message)
{
    if (error)
        *error = message;
    return false;
}

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string homeFolder()
{
    std::string home = environment("HOME");
    if (home.empty()) {
        if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    return home;
}

// A folder this user owns and only this user may enter, as XDG requires of the runtime folder.
bool isPrivate(const std::string &folder)
{
    struct stat st
    {
    };
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid()
        && (st.st_mode & 077) == 0;
}

// Makes `folder` (whose parent exists) a private folder of this user, or says why it cannot be one.
bool makePrivate(const std::string &folder, std::string *error)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return fail(error, "cannot create the folder " + folder + ": " + std::strerror(errno));
    struct stat st
    {
    };
    if (::lstat(folder.c_str(), &st) != 0)
        return fail(error, "cannot read the folder " + folder + ": " + std::strerror(errno));
    if (!S_ISDIR(st.st_mode))
        return fail(error, folder + " is not a folder");
    if (st.st_uid != ::getuid())
        return fail(error, "the folder " + folder + " belongs to another user");
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return fail(error, "cannot close the folder " + folder + " to other users: " + std::strerror(errno));
    return true;
}

}  // namespace

std::string userPrivateFolder(std::string *error)
{
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    if (!runtime.empty() && isPrivate(runtime)) {
        const std::string folder = runtime + "/sorvik";
        return makePrivate(folder, error) ? folder : std::string();
    }
    std::string cache = environment("XDG_CACHE_HOME");
    if (cache.empty()) {
        const std::string home = homeFolder();
        if (home.empty()) {
            fail(error, "the user has no home folder for Sorvik's private files");
            return {};
        }
        cache = home + "/.cache";
    }
    // The cache folder itself is the user's to share as they like; only ours must be private.
    if (::mkdir(cache.c_str(), 0700) != 0 && errno != EEXIST) {
        fail(error, "cannot create the folder " + cache + ": " + std::strerror(errno));
        return {};
    }
    const std::string folder = cache + "/sorvik";
    return makePrivate(folder, error) ? folder : std::string();
}

std::string userPrivateFolder(const std::string &name, std::string *error)
{
    const std::string parent = userPrivateFolder(error);
    if (parent.empty())
        return {};
    const std::string folder = parent + '/' + name;
    return makePrivate(folder, error) ? folder : std::string();
}

}  // namespace sorvik
