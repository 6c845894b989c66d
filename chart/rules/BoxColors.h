#pragma once

#include <QList>
#include <QString>
#include <optional>

// The colours a chart box may have, kept as the colour identifiers the chart versions store
// ("clRed"). No colour (an empty identifier, NULL in the table), black and any identifier
// this program does not offer are all drawn and saved as button face ("clBtnFace"), so a
// box never disappears into its black text.
namespace BoxColors {

struct Offered
{
    QString caption;              // "赤"
    QString identifier;           // "clRed"
    std::optional<unsigned> rgb;  // 0xRRGGBB; none for button face
};

// The choices of the colour dialog, in its order, button face ("標準") last.
const QList<Offered> &Choices();

inline const QString ButtonFace = QStringLiteral("clBtnFace");

// The RGB value a box of this colour is filled with; none for button face.
std::optional<unsigned> Fill(const QString &identifier);
// The identifier a box of this colour is saved with.
QString Stored(const QString &identifier);

}  // namespace BoxColors
