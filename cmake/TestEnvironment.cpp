// Linked into every test executable: tells the tests where the source and build trees are,
// keeps Qt offscreen, unless the caller's environment already says otherwise (for example
// QT_QPA_PLATFORM=xcb under Xvfb to take screenshots), and gives the embedded database
// engine the user's private lock folder before any test starts it. Running a test binary
// by hand then behaves exactly as under ctest.
#include "EngineLockFolder.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const bool environmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SORVIK_SOURCE_DIR", SORVIK_TEST_SOURCE_DIR, 0);
    setenv("SORVIK_BINARY_DIR", SORVIK_TEST_BINARY_DIR, 0);
    std::string error;
    if (!sorvik::usePrivateEngineLockFolder(&error))
        std::fprintf(stderr, "test environment: no lock folder for the database engine: %s\n", error.c_str());
    return true;
}();

}  // namespace
