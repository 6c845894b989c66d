#pragma once

#include <QString>

// The operating-system login name of the user running the program (at most 256 characters).
QString GetLoginUserName();

// Entry `number` (1-10) of the version strings of `file`, in the usual order: 1
// CompanyName, 2 FileDescription, 3 FileVersion, 4 InternalName, 5 LegalCopyright,
// 6 LegalTrademarks, 7 OriginalFilename, 8 ProductName, 9 ProductVersion, 10 Comments.
// Only the running program carries version strings (compiled in); any other file, or a
// number out of range, gives the empty text.
QString GetVersionString(const QString &file, int number);

// The program file of the running process.
QString ProgramFilePath();
