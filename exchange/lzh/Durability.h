#pragma once

namespace sorvik::lzh {

// Whether extracted files are forced to the disk before they are put in place. Files
// unpacked into a work folder are read and removed within the same action, and a crash
// leaves nothing that depends on them, so they need not wait for the disk: a package of
// two hundred photos would otherwise wait for two hundred flushes.
enum class Durability { Synced, Scratch };

}  // namespace sorvik::lzh
