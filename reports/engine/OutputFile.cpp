#include "OutputFile.h"

#include "AtomicFile.h"
#include "CelvaneError.h"

#include <QFile>

namespace celvane {

void OutputFile::save(const QString &fileName, const QByteArray &bytes)
{
    const std::string path = QFile::encodeName(fileName).toStdString();
    if (!sorvik::isReplaceableFile(path))
        throw CelvaneError(
            QStringLiteral("「%1」に保存できません（通常のファイルではありません。リンクや装置には保存しません）")
                .arg(fileName));
    sorvik::AtomicFile file(path);
    if (!file.open() || !file.write(bytes.constData(), std::size_t(bytes.size())) || !file.commit())
        throw CelvaneError(
            QStringLiteral("「%1」に保存できません（%2）").arg(fileName, QString::fromLocal8Bit(file.error())));
}

}  // namespace celvane
