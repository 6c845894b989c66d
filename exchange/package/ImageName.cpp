#include "ImageName.h"

namespace sorvik::package {

bool isBareImageName(const QString &name)
{
    if (name.isEmpty() || name.contains(QStringLiteral("..")))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

}  // namespace sorvik::package
