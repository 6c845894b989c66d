#include "UrlService.h"

#include <cstdio>

namespace {

class StandardErrorUrlService : public UrlService
{
public:
    bool open(const QUrl &url) override
    {
        std::fprintf(stderr, "%s\n", url.toEncoded().constData());
        return false;
    }
};

StandardErrorUrlService fallback;
UrlService *installed = nullptr;

}  // namespace

UrlService::~UrlService() = default;

UrlService &UrlService::current()
{
    return installed ? *installed : fallback;
}

UrlService *UrlService::install(UrlService *service)
{
    UrlService *previous = installed;
    installed = service;
    return previous;
}
