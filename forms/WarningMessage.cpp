#include "WarningMessage.h"

#include <QMessageBox>

namespace WarningMessage {

namespace {

void showModalBox(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox::warning(parent, caption, text);
}

Handler &currentHandler()
{
    static Handler handler = showModalBox;
    return handler;
}

} // namespace

void show(QWidget *parent, const QString &caption, const QString &text)
{
    currentHandler()(parent, caption, text);
}

Handler replaceHandler(Handler handler)
{
    Handler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : Handler(showModalBox);
    return previous;
}

} // namespace WarningMessage
