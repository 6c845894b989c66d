#include "WorkFolder.h"

#include "system/FileHelpers.h"
#include "messages/MessageService.h"

#include <QDir>

namespace sorvik::package {

WorkFolder::WorkFolder(const QString &appDir, const QString &name)
    : m_path(QDir(appDir).filePath(name))
{
    m_ready = !appDir.isEmpty() && QDir().mkpath(m_path) && ClearFolder(m_path);
    if (!m_ready)
        MessageService::current().error(
            QStringLiteral("作業フォルダを準備できません。\n\r%1").arg(QDir::toNativeSeparators(m_path)));
}

WorkFolder::~WorkFolder()
{
    if (m_ready)
        ClearFolder(m_path);
}

}  // namespace sorvik::package
