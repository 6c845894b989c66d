#include "PackagePath.h"

#include <QStringList>

namespace celvane {

QString PackagePath::resolve(const QString &sourcePart, const QString &target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    QStringList parts = sourcePart.split(u'/');
    parts.removeLast();
    for (const QString &piece : target.split(u'/')) {
        if (piece == QLatin1String(".."))
            parts.isEmpty() ? void() : parts.removeLast();
        else if (piece != QLatin1String(".") && !piece.isEmpty())
            parts.append(piece);
    }
    return parts.join(u'/');
}

QString PackagePath::relative(const QString &sourcePart, const QString &targetPart)
{
    QStringList from = sourcePart.split(u'/');
    from.removeLast();
    const QStringList to = targetPart.split(u'/');
    int common = 0;
    while (common < from.size() && common < to.size() - 1 && from[common] == to[common])
        ++common;
    QStringList result;
    for (int i = common; i < from.size(); ++i)
        result.append(QStringLiteral(".."));
    for (int i = common; i < to.size(); ++i)
        result.append(to[i]);
    return result.join(u'/');
}

QString PackagePath::relationshipsOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

}  // namespace celvane
