#include "BoxColors.h"

namespace BoxColors {

const QList<Offered> &Choices()
{
    static const QList<Offered> choices{
        {QStringLiteral("赤"), QStringLiteral("clRed"), 0xFF0000u},
        {QStringLiteral("緑"), QStringLiteral("clGreen"), 0x008000u},
        {QStringLiteral("青"), QStringLiteral("clBlue"), 0x0000FFu},
        {QStringLiteral("黄色"), QStringLiteral("clYellow"), 0xFFFF00u},
        {QStringLiteral("ピンク"), QStringLiteral("clFuchsia"), 0xFF00FFu},
        {QStringLiteral("水色"), QStringLiteral("clAqua"), 0x00FFFFu},
        {QStringLiteral("標準"), ButtonFace, std::nullopt},
    };
    return choices;
}

std::optional<unsigned> Fill(const QString &identifier)
{
    for (const Offered &choice : Choices())
        if (choice.identifier.compare(identifier, Qt::CaseInsensitive) == 0)
            return choice.rgb;
    return std::nullopt;
}

QString Stored(const QString &identifier)
{
    for (const Offered &choice : Choices())
        if (choice.identifier.compare(identifier, Qt::CaseInsensitive) == 0)
            return choice.identifier;
    return ButtonFace;
}

}  // namespace BoxColors
