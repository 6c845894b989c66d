// Linked into every test executable: tells the tests where the source and build trees are
// and keeps Qt offscreen, unless the caller's environment already says otherwise (for
// example QT_QPA_PLATFORM=xcb under Xvfb to take screenshots). Running a test binary by
// hand then behaves exactly as under ctest.
#include <cstdlib>

namespace {

const bool environmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SORVIK_SOURCE_DIR", SORVIK_TEST_SOURCE_DIR, 0);
    setenv("SORVIK_BINARY_DIR", SORVIK_TEST_BINARY_DIR, 0);
    return true;
}();

}  // namespace
