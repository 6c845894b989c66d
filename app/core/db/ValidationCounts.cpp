#include "ValidationCounts.h"

#include <QStringList>

namespace db {

QString ValidationCounts::summary() const
{
    const std::pair<const char *, int> kinds[] = {
        {"page errors", pages},
        {"record errors", records},
        {"blob page errors", blobPages},
        {"data page errors", dataPages},
        {"index page errors", indexPages},
        {"pointer page errors", pointerPages},
        {"transaction page errors", tipPages},
    };
    QStringList lines;
    for (const auto &[name, count] : kinds) {
        if (count > 0)
            lines << QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(count);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace db
