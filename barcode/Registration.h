#pragma once

#include <string>

namespace strilux {

// The per-user registration file that stands in for the class registry: sections
// "[HKEY_CLASSES_ROOT\key]" with "@" (default) and named values, as a .reg file has them.
// STRILUX_REGISTRY names it; otherwise $XDG_CONFIG_HOME/strilux/classes.reg.
std::string registrationFile();

// Writes the control's and the property pages' entries for `modulePath`, replacing older
// ones; false when the file cannot be written (it is then left as it was).
bool registerServer(const std::string &modulePath);
bool unregisterServer();

}  // namespace strilux
