#pragma once

#include "CellStyle.h"

#include <QFont>

namespace celvane {

// Faces of Japanese templates drawn with the IPA fonts, others with metric-compatible faces.
class FontMapper
{
public:
    static QString family(const QString &name);
    // The advance of the widest digit of the face that draws the named font, in ems;
    // column widths are counted in these digits.
    static double digitWidthEm(const QString &name);
    // A font whose size is given in points of the painter's coordinates, whatever the device.
    static QFont font(const Font &font, double pointSize, double deviceDpi);
};

}  // namespace celvane
