#include "DesktopUrlService.h"

#include <QDesktopServices>

bool DesktopUrlService::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
