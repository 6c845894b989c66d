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
    } catch (const std::exception &error) {
        // Report engine and file errors carry a text for the user as well.
        MessageService::current().error(QString::fromUtf8(error.what()));
        return false;
    }
}
