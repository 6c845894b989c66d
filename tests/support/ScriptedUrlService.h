#pragma once

#include "messages/UrlService.h"

#include <QList>

// A UrlService for tests: records every address instead of opening it and reports it
// opened (or not, when told). Installs itself for its lifetime.
class ScriptedUrlService : public UrlService
{
public:
    ScriptedUrlService();
    ~ScriptedUrlService() override;

    bool open(const QUrl &url) override;

    QList<QUrl> opened;
    bool opens = true;

private:
    UrlService *m_previous;
};
