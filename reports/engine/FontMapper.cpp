#include "FontMapper.h"

#include <QStringList>

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
    // Latin faces are drawn with faces of the same metrics, so that texts take the same room.
    if (n.contains(QLatin1String("calibri")) || n.contains(QLatin1String("carlito")))
        return QStringLiteral("Carlito");
    if (n.contains(QLatin1String("cambria")) || n.contains(QLatin1String("caladea")))
        return QStringLiteral("Caladea");
    if (n.contains(QLatin1String("times")) || n.contains(QLatin1String("century")))
        return QStringLiteral("Liberation Serif");
    if (n.contains(QLatin1String("courier")))
        return QStringLiteral("Liberation Mono");
    if (n.contains(QLatin1String("verdana")))
        return QStringLiteral("DejaVu Sans");  // a descendant of the same design, with its metrics
    if (n.startsWith(QLatin1String("ipa")) || n.contains(QLatin1String("liberation"))
        || n.contains(QLatin1String("dejavu")))
        return name;
    return QStringLiteral("Liberation Sans");
}

double FontMapper::digitWidthEm(const QString &name)
{
    // The advance of the widest digit of each face, in ems of its design.
    static const std::pair<const char *, double> faces[] = {
        {"Carlito", 0.50684},         {"Caladea", 0.51700},         {"IPAPGothic", 0.62988},  {"IPAPMincho", 0.61816},
        {"Liberation Sans", 0.55615}, {"Liberation Mono", 0.60010}, {"DejaVu Sans", 0.63623},
    };
    const QString face = family(name);
    for (const auto &[known, width] : faces)
        if (face.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return width;
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
    // Spreadsheet programs set letters one by one: no ligatures ("fi" stays two letters).
    result.setStyleStrategy(QFont::PreferNoShaping);
    // Japanese text falls back to the IPA faces whatever face the template names.
    result.setFamilies({result.family(), QStringLiteral("IPAPGothic")});
    return result;
}

}  // namespace celvane
