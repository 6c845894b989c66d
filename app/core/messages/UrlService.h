#pragma once

#include <QUrl>

// Addresses the program hands to the desktop (the mail inquiry, the support page) go
// through the installed UrlService, so that tests read them instead of starting a mail
// program or a browser. The program installs the desktop's default handlers at start.
class UrlService
{
public:
    virtual ~UrlService();

    // Opens `url` with the desktop's default handler; false when nothing could open it.
    virtual bool open(const QUrl &url) = 0;

    // The installed service; without one, addresses are written to standard error and
    // reported as not opened.
    static UrlService &current();
    // Installs `service` (not owned; nullptr goes back to standard error) and returns the
    // previous one.
    static UrlService *install(UrlService *service);
};
