#pragma once

#include "ArchiverResult.h"

#include <string>

namespace sorvik::lzh::messages {

// The archiver's own texts. Paths and names are UTF-8.
ArchiverResult badCommand(const std::string &commandLine, const std::string &reason);
ArchiverResult archiveMissing(const std::string &archive);
ArchiverResult notAnArchive(const std::string &archive);
ArchiverResult damagedArchive(const std::string &archive);
ArchiverResult damagedMember(const std::string &archive, const std::string &member);
ArchiverResult crcError(const std::string &archive, const std::string &member);
ArchiverResult unsupportedMethod(const std::string &archive, const std::string &member, const std::string &method);
ArchiverResult badMemberName(const std::string &archive, const std::string &member);
ArchiverResult folderMissing(const std::string &folder);
ArchiverResult noFiles(const std::string &folder);
ArchiverResult nameNotEncodable(const std::string &file);
ArchiverResult fileTooLarge(const std::string &file);
ArchiverResult outOfMemory(const std::string &subject);
ArchiverResult unexpectedFailure(const std::string &subject, const std::string &reason);
// A name to be replaced that is a link, a folder or a device.
ArchiverResult notAFile(const std::string &file);
// Failures of the file system, told apart by errno: a full disk, a folder
// without write permission, or anything else.
ArchiverResult readFailed(const std::string &file, int error);
ArchiverResult writeFailed(const std::string &file, int error);

// Added to a failure whose undoing could not put a replaced file back.
std::string oldFileKept(const std::string &file, const std::string &keptAs);

std::string created(int count, const std::string &archive);
std::string extracted(int count, const std::string &folder);

}  // namespace sorvik::lzh::messages
