#include "ScriptedUrlService.h"

ScriptedUrlService::ScriptedUrlService()
    : m_previous(UrlService::install(this))
{
}

ScriptedUrlService::~ScriptedUrlService()
{
    UrlService::install(m_previous);
}

bool ScriptedUrlService::open(const QUrl &url)
{
    opened << url;
    return opens;
}
