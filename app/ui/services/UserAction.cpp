#include "UserAction.h"

#include "data/Abort.h"
#include "db/Error.h"
#include "messages/MessageService.h"

bool RunUserAction(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const EAbort &) {
        return false;
    } catch (const db::Error &error) {
        MessageService::current().error(error.message());
        return false;
    }
}
