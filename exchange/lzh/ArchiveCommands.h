#pragma once

#include "Durability.h"

#include <QString>

#include <functional>

namespace sorvik::lzh {

// The two archive operations the program uses, as thin wrappers over
// LzhCommand. On failure they hand the archiver's message to the message
// handler (the program shows it in a message box) and return false.
bool CreateArchive(const QString &archivePath, const QString &folder, Durability durability = Durability::Synced);
bool ExtractArchive(const QString &archivePath, const QString &folder, Durability durability = Durability::Synced);

using ArchiverMessageHandler = std::function<void(const QString &message)>;
// Replaces the handler; the default writes the message to the warning log.
void setArchiverMessageHandler(ArchiverMessageHandler handler);

}  // namespace sorvik::lzh
