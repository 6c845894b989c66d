#pragma once

#include "ArchiverResult.h"

#include <cstddef>
#include <string_view>

namespace sorvik::lzh {

// Runs one archiver command line:
//   a [-switches] "ARCHIVE" "FOLDER\*.*"   create ARCHIVE from the files of FOLDER
//   e [-switches] "ARCHIVE" "FOLDER\"      extract every member into FOLDER
// A path in a command line cannot hold a double quote; the program's own
// calls pass paths directly (ArchiveOperations.h, ArchiveCommands.h).
// The switches -n -y -t -c of the Windows archivers are accepted; this
// archiver never asks and always replaces, which is what they request.
ArchiverResult runCommand(std::string_view commandLine);

}  // namespace sorvik::lzh

// The archiver's single entry point: 0 on success, else an ArchiverError code
// with the message (UTF-8, cut at a character boundary) left in output.
// The window handle is unused: the archiver shows nothing.
extern "C" int LzhCommand(void *window, const char *commandLine, char *output, std::size_t outputSize);
