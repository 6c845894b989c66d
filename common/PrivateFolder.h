#pragma once

#include <string>

namespace sorvik {

// The user's own folder for Sorvik's locks: "sorvik" under $XDG_RUNTIME_DIR when that is a
// folder of this user that nobody else may enter (cleared at every boot, so nothing stale
// survives a restart), else under the user's cache folder ($XDG_CACHE_HOME or ~/.cache).
// Never a folder shared with other users: what another user can create or hold there
// could block this user's program.
//
// The folder and any folder made on the way are created with mode 0700. An existing
// folder must be a real folder (not a link) owned by this user; one that others may
// enter is closed to them. Returns the path, or empty with the reason in `*error`.
std::string userPrivateFolder(std::string *error = nullptr);

// A subfolder of userPrivateFolder() with the same guarantees.
std::string userPrivateFolder(const std::string &name, std::string *error = nullptr);

}  // namespace sorvik
