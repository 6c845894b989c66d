#include "FontMapper.h"

namespace celvane {

QString FontMapper::family(const QString &name)
{
    const QString n = name.normalized(QString::NormalizationForm_KC).remove(u' ').toLower();
    const bool proportional = n.contains(QLatin1String("msp")) || n.contains(QLatin1String("pゴシック"))
        || n.contains(QLatin1String("p明朝")) || n.contains(QLatin1String("pgothic"))
        || n.contains(QLatin1String("pmincho")) || n.contains(QStringLiteral("メイリオ"))
        || n.contains(QLatin1String("meiryo")) || n.contains(QStringLiteral("游"));
    if (n.contains(QStringLiteral("明朝")) || n.contains(QLatin1String("mincho")))
        return proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
    if (n.contains(QStringLiteral("ゴシック")) || n.contains(QLatin1String("gothic"))
        || n.contains(QStringLiteral("メイリオ")) || n.contains(QLatin1String("meiryo"))
        || n.contains(QStringLiteral("游")))
        return proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic");
    if (n.contains(QLatin1String("times")) || n.contains(QLatin1String("century"))
        || n.contains(QLatin1String("cambria")))
        return QStringLiteral("Liberation Serif");
    if (n.contains(QLatin1String("courier")))
        return QStringLiteral("Liberation Mono");
    if (n.startsWith(QLatin1String("ipa")) || n.contains(QLatin1String("liberation"))
        || n.contains(QLatin1String("dejavu")))
        return name;
    return QStringLiteral("Liberation Sans");
}

double FontMapper::digitWidthEm(const QString &name)
{
    const QString face = family(name);
    if (face == QLatin1String("IPAPGothic"))
        return 0.630;
    if (face == QLatin1String("IPAPMincho"))
        return 0.618;
    if (face == QLatin1String("Liberation Sans"))
        return 0.556;
    if (face == QLatin1String("Liberation Mono"))
        return 0.600;
    return 0.5;  // IPAGothic, IPAMincho, Liberation Serif
}

QFont FontMapper::font(const Font &font, double pointSize, double deviceDpi)
{
    QFont result(family(font.name));
    result.setPointSizeF(std::max(0.1, pointSize) * 72.0 / deviceDpi);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(!font.underline.isEmpty() && font.underline != QLatin1String("none"));
    result.setStrikeOut(font.strike);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    // Japanese text falls back to the IPA faces whatever face the template names.
    result.setFamilies({result.family(), QStringLiteral("IPAPGothic")});
    return result;
}

}  // namespace celvane
