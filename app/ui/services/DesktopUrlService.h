#pragma once

#include "messages/UrlService.h"

// The running program's UrlService: the desktop's default handler for each address
// (the mail program for "mailto:", the browser for web pages).
class DesktopUrlService : public UrlService
{
public:
    bool open(const QUrl &url) override;
};
