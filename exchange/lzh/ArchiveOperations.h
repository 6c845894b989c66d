#pragma once

#include "ArchiverResult.h"
#include "Durability.h"

#include <filesystem>
#include <functional>
#include <string>

namespace sorvik::lzh {

// The archiver's two operations on paths as they are: nothing is parsed out of
// them, so a name may hold spaces, quotes or any other character.

// Packs into `archive` the regular files that `fileSpec` names: a folder
// ("/work/Temp"), or a folder and a pattern ("/work/Temp\*.*",
// "/work/Temp/*.CSV"). Hidden files and the archive itself are left out.
ArchiverResult packFiles(const std::filesystem::path &archive, const std::string &fileSpec,
                         Durability durability = Durability::Synced);

// Unpacks every member of `archive` into `folder` under its bare name.
ArchiverResult unpackArchive(const std::filesystem::path &archive, const std::string &folder,
                             Durability durability = Durability::Synced);

// Runs an operation so that no exception leaves it: running out of memory or
// an unexpected failure of the file system becomes a failure with a message
// about `subject` (the command line or the archive).
ArchiverResult guarded(const std::function<ArchiverResult()> &operation, const std::string &subject);

}  // namespace sorvik::lzh
