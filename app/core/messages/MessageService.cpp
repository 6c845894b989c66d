#include "MessageService.h"

#include <cstdio>

namespace {

class StandardErrorMessages : public MessageService
{
public:
    void information(const QString &text, const QString &) override { write(text); }
    void warning(const QString &text, const QString &) override { write(text); }
    void error(const QString &text, const QString &) override { write(text); }
    bool question(const QString &text, const QString &) override
    {
        write(text);
        return false;
    }

private:
    static void write(const QString &text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
};

StandardErrorMessages fallback;
MessageService *installed = nullptr;

}  // namespace

MessageService::~MessageService() = default;

MessageService &MessageService::current()
{
    return installed ? *installed : static_cast<MessageService &>(fallback);
}

MessageService *MessageService::install(MessageService *service)
{
    MessageService *previous = installed;
    installed = service;
    return previous;
}
