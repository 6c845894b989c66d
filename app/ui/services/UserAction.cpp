#include "UserAction.h"

#include "data/Abort.h"
#include "db/Error.h"
#include "messages/MessageService.h"

#include <QString>
#include <cxxabi.h>
#include <cstdlib>
#include <exception>
#include <memory>

namespace {

// The type of the exception being handled, as the source names it.
QString currentExceptionType()
{
    const std::type_info *type = abi::__cxa_current_exception_type();
    if (!type)
        return QStringLiteral("?");
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(type->name(), nullptr, nullptr, &status),
                                                 std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : type->name());
}

void showUnexpected(const QString &detail)
{
    MessageService::current().error(QStringLiteral("予期しないエラーが発生しました。\n\r") + detail);
}

}  // namespace

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
        const QString text = QString::fromUtf8(error.what());
        if (text.isEmpty())
            showUnexpected(currentExceptionType());
        else
            MessageService::current().error(text);
        return false;
    } catch (...) {
        showUnexpected(currentExceptionType());
        return false;
    }
}
