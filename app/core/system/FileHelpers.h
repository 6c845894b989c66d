#pragma once

#include <QString>

// Deletes every file directly inside `folder`; the folder itself, its subfolders and
// their contents stay. Returns false when a file could not be deleted (the others are
// deleted all the same) or the folder does not exist.
bool ClearFolder(const QString &folder);
