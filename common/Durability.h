#pragma once

namespace sorvik {

// Whether a written file is forced to the disk before it takes its name. Files in a work
// folder (unpacked members, images fetched to be shown or packed) are read and removed
// within the same action or fetched again whenever they are needed, and a crash leaves
// nothing that depends on them, so they need not wait for the disk: two hundred photos
// would otherwise wait for four hundred flushes.
enum class Durability { Synced, Scratch };

}  // namespace sorvik
