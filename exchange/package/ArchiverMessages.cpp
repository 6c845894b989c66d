#include "ArchiverMessages.h"

#include "ArchiveCommands.h"
#include "messages/MessageService.h"

namespace sorvik::package {

void showArchiverMessagesToTheUser()
{
    lzh::setArchiverMessageHandler([](const QString &message) { MessageService::current().error(message); });
}

}  // namespace sorvik::package
