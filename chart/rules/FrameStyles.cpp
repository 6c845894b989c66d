#include "FrameStyles.h"

namespace FrameStyles {

const QList<Style> &All()
{
    static const QList<Style> styles{
        {QStringLiteral("実線"), Qt::SolidLine, 1, {}},    {QStringLiteral("太線"), Qt::SolidLine, 2, {3}},
        {QStringLiteral("極太線"), Qt::SolidLine, 3, {4}}, {QStringLiteral("二重線"), Qt::SolidLine, 1, {2, 4}},
        {QStringLiteral("破線"), Qt::DotLine, 1, {2}},     {QStringLiteral("太破線"), Qt::DashLine, 1, {2}},
    };
    return styles;
}

const Style &Of(int value)
{
    const QList<Style> &styles = All();
    return value >= 0 && value < styles.size() ? styles[value] : styles.first();
}

}  // namespace FrameStyles
